// SPDX-License-Identifier: MIT
#include "web/src/ShareLink.h"

#include "files/ComboFileFormat.h"
#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"
#include "text/EntryChoices.h"
#include "text/NumberParse.h"

#include <cstdint>
#include <vector>

namespace {

// Widths of the packed fields. Values up to 999 need 10 bits; the reader
// refuses what the 10 bits can hold beyond that.
constexpr int kValueBits = 10;
constexpr int kCountBits = 4;
constexpr int kTypeBits = 2;
constexpr int kKovBits = 5;
constexpr int kHitRateBits = 4;
constexpr int kHitsLeftBits = 4;
constexpr int kLinkBits = 4;
// A Core hit's hit rate of 1 is the one after the list's fifteen.
constexpr unsigned kCoreRateIndex = kHitRateTexts.size();

// Every field holds every value the rest of the program allows in it.
constexpr bool Holds(int bits, std::size_t values) {
    return values <= (std::size_t{1} << bits);
}
static_assert(Holds(kValueBits, combofile::kMaxValue + 1));
static_assert(Holds(kCountBits, kComboRows + 1));
static_assert(Holds(kTypeBits, combofile::kTypeNames.size()));
static_assert(Holds(kKovBits, kKovRateTexts.size()));
static_assert(Holds(kHitRateBits, kCoreRateIndex + 1));
static_assert(Holds(kHitsLeftBits, kMaxHitCount - kMinHitCount + 1));
static_assert(Holds(kLinkBits, kMaxLinkCount + 1));

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

class BitWriter {
public:
    void Put(unsigned value, int bits) {
        for (int i = 0; i < bits; ++i) {
            if (m_used % 8 == 0)
                m_bytes.push_back(0);
            if ((value >> i) & 1u)
                m_bytes.back() = static_cast<std::uint8_t>(m_bytes.back() | (1u << (m_used % 8)));
            ++m_used;
        }
    }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_used = 0;
};

class BitReader {
public:
    explicit BitReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
    bool Get(int bits, unsigned& value) {
        value = 0;
        for (int i = 0; i < bits; ++i, ++m_used) {
            if (m_used / 8 >= m_bytes.size())
                return false;
            if ((m_bytes[m_used / 8] >> (m_used % 8)) & 1u)
                value |= 1u << i;
        }
        return true;
    }
    // Only the zero bits that fill the last byte may follow the combo.
    bool AtEnd() const {
        if ((m_used + 7) / 8 != m_bytes.size())
            return false;
        return m_used % 8 == 0 || (m_bytes.back() >> (m_used % 8)) == 0;
    }

private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_used = 0;
};

template <std::size_t N> int ChoiceIndex(const std::array<const char*, N>& texts, double value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (TextToDouble(texts[i]) == value)
            return static_cast<int>(i);
    }
    return -1;
}

std::string Base64Url(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (std::uint8_t byte : bytes) {
        buffer = (buffer << 8) | byte;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out.push_back(kAlphabet[(buffer >> bits) & 63u]);
        }
    }
    if (bits > 0)
        out.push_back(kAlphabet[(buffer << (6 - bits)) & 63u]);
    return out;
}

bool FromBase64Url(std::string_view text, std::vector<std::uint8_t>& bytes) {
    // A length of 4n+1 cannot come from whole bytes.
    if (text.size() % 4 == 1)
        return false;
    unsigned buffer = 0;
    int bits = 0;
    for (char c : text) {
        const std::size_t digit = kAlphabet.find(c);
        if (digit == std::string_view::npos)
            return false;
        buffer = (buffer << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>((buffer >> bits) & 0xFFu));
        }
    }
    // The bits left over pad the last character and must be zero.
    return (buffer & ((1u << bits) - 1u)) == 0;
}

ComboFileError LinkError(std::string reason) {
    return ComboFileError{0, 0, "", std::move(reason)};
}

} // namespace

std::string EncodeShareLink(const ComboState& state) {
    BitWriter out;
    const int rows = state.m_nLast + 1;
    out.Put(state.m_bReal != 0 ? 1u : 0u, 1);
    out.Put(static_cast<unsigned>(state.m_nHp), kValueBits);
    out.Put(static_cast<unsigned>(state.m_nDef), kValueBits);
    out.Put(static_cast<unsigned>(rows), kCountBits);
    for (int row = 0; row < rows; ++row) {
        const ComboEntry& e = state.m_table[static_cast<std::size_t>(row)];
        const int kov = ChoiceIndex(kKovRateTexts, e.m_dKovRate);
        const int hit = e.m_bCore && e.m_dHitRate == kCoreHitRate
                            ? static_cast<int>(kCoreRateIndex)
                            : ChoiceIndex(kHitRateTexts, e.m_dHitRate);
        if (kov < 0 || hit < 0)
            return {};
        out.Put(static_cast<unsigned>(e.m_nType - kTrapCeil), kTypeBits);
        out.Put(static_cast<unsigned>(e.m_nDamage), kValueBits);
        out.Put(static_cast<unsigned>(kov), kKovBits);
        out.Put(static_cast<unsigned>(hit), kHitRateBits);
        out.Put(static_cast<unsigned>(e.m_nHitsLeft - kMinHitCount), kHitsLeftBits);
        out.Put(static_cast<unsigned>(e.m_nLinkCount), kLinkBits);
        for (const combofile::FlagKey& flag : combofile::kFlagKeys)
            out.Put(e.*flag.field != 0 ? 1u : 0u, 1);
    }
    return std::string(kShareLinkKey) + Base64Url(out.Bytes());
}

std::variant<ComboState, ComboFileError> DecodeShareLink(std::string_view fragment) {
    if (fragment.size() < 2 || fragment[0] != 'c' || fragment.find('=') == std::string_view::npos)
        return LinkError("the address holds no combo (it should end in #c1=...)");
    const std::size_t eq = fragment.find('=');
    if (fragment.substr(0, eq + 1) != kShareLinkKey)
        return LinkError("the link was made by another version of the page (" +
                         std::string(fragment.substr(0, eq)) + "); this one reads c1");
    std::vector<std::uint8_t> bytes;
    if (!FromBase64Url(fragment.substr(eq + 1), bytes))
        return LinkError("the link is damaged: it holds characters or a length no combo has");

    BitReader in(bytes);
    unsigned mode = 0, hp = 0, def = 0, rows = 0;
    if (!in.Get(1, mode) || !in.Get(kValueBits, hp) || !in.Get(kValueBits, def) ||
        !in.Get(kCountBits, rows))
        return LinkError("the link is cut short");
    // The packing is only the transport: the rows are written out as a combo
    // file and read back by the same reader that opens files.
    ComboState combo;
    combo.ResetCombo();
    combo.m_bReal = static_cast<std::int32_t>(mode);
    combo.m_nHp = static_cast<std::int32_t>(hp);
    combo.m_nDef = static_cast<std::int32_t>(def);
    combo.m_nLast = static_cast<int>(rows) - 1;
    if (rows > kComboRows)
        return LinkError("the link holds " + std::to_string(rows) + " hits; a combo has at most " +
                         std::to_string(kComboRows));
    for (unsigned row = 0; row < rows; ++row) {
        ComboEntry& e = combo.m_table[row];
        unsigned type = 0, damage = 0, kov = 0, hit = 0, left = 0, link = 0;
        if (!in.Get(kTypeBits, type) || !in.Get(kValueBits, damage) || !in.Get(kKovBits, kov) ||
            !in.Get(kHitRateBits, hit) || !in.Get(kHitsLeftBits, left) || !in.Get(kLinkBits, link))
            return LinkError("the link is cut short");
        e.m_bUsed = 1;
        e.m_nType = static_cast<TrapType>(type) + kTrapCeil;
        e.m_nDamage = static_cast<std::int32_t>(damage);
        // An index past the list stands for a rate no list has; the reader
        // names it.
        e.m_dKovRate = kov < kKovRateTexts.size() ? TextToDouble(kKovRateTexts[kov]) : 0.0;
        e.m_dHitRate = hit == kCoreRateIndex  ? kCoreHitRate
                       : hit < kCoreRateIndex ? TextToDouble(kHitRateTexts[hit])
                                              : 0.0;
        e.m_nHitsLeft = static_cast<std::int32_t>(left) + kMinHitCount;
        e.m_nLinkCount = static_cast<std::int32_t>(link);
        for (const combofile::FlagKey& flag : combofile::kFlagKeys) {
            unsigned bit = 0;
            if (!in.Get(1, bit))
                return LinkError("the link is cut short");
            e.*flag.field = static_cast<std::int32_t>(bit);
        }
    }
    if (!in.AtEnd())
        return LinkError("the link is damaged: it goes on past the combo");
    ComboFileResult read = ParseComboFile(SerializeComboFile(combo));
    if (auto* error = std::get_if<ComboFileError>(&read))
        return *error;
    return std::get<ComboState>(std::move(read));
}
