// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// The values the form's drop-down lists offer, as item texts. The window fills
// its lists from these, and a combo file may only hold what the window could
// have stored from them, so both read the same arrays.

// The Kov Rate steps are irregular above 2.0 on purpose: they are the rates
// the game actually has.
inline constexpr std::array<const char*, 22> kKovRateTexts{
    "0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5",
    "1.6", "1.7", "1.8", "1.9", "2.0", "2.1", "2.3", "2.5", "2.8", "3.2", "4.0"};

inline constexpr std::array<const char*, 15> kHitRateTexts{
    "0.990", "0.980", "0.970", "0.960", "0.950", "0.940", "0.930", "0.920",
    "0.910", "0.900", "0.890", "0.880", "0.870", "0.860", "0.850"};

inline constexpr std::array<const char*, 15> kHitCountTexts{
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"};

inline constexpr std::array<const char*, 10> kLinkCountTexts{"2", "3", "4", "5",  "6",
                                                             "7", "8", "9", "10", "11"};

// Ranges of the whole-number lists, as their first and last items read.
inline constexpr int kMinHitCount = 1;
inline constexpr int kMaxHitCount = 15;
inline constexpr int kMinLinkCount = 2;
inline constexpr int kMaxLinkCount = 11;

// True when `rate` is exactly the double the window stores for one of the
// list's items (the item text read as atof reads it).
bool IsKovRateChoice(double rate);
bool IsHitRateChoice(double rate);
