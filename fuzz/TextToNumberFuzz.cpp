// SPDX-License-Identifier: MIT
// Fuzz target: text to number as the C library converts it. TextToInt must
// give what atoi gives wherever atoi is defined (the value fits an int), and
// TextToDouble exactly what atof gives, in the C locale, for any bytes.
#include "text/NumberParse.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

[[noreturn]] void Fail(const char* what, const std::string& text, const std::string& got,
                       const std::string& want) {
    std::fprintf(stderr, "%s(\"", what);
    for (unsigned char c : text)
        std::fprintf(stderr, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
    std::fprintf(stderr, "\"): got %s, the C library gives %s\n", got.c_str(), want.c_str());
    std::abort();
}

std::string Show(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The C functions stop at a NUL; so does the text they are given here.
    const std::string text(reinterpret_cast<const char*>(data),
                           strnlen(reinterpret_cast<const char*>(data), size));

    errno = 0;
    const long wide = strtol_l(text.c_str(), nullptr, 10, CLocale());
    if (errno == 0 && wide >= INT_MIN && wide <= INT_MAX) {
        const int got = TextToInt(text);
        if (got != static_cast<int>(wide))
            Fail("TextToInt", text, std::to_string(got), std::to_string(wide));
    }

    const double want = strtod_l(text.c_str(), nullptr, CLocale());
    const double got = TextToDouble(text);
    const bool same = std::isnan(want) ? std::isnan(got) && std::signbit(got) == std::signbit(want)
                                       : std::memcmp(&got, &want, sizeof got) == 0;
    if (!same)
        Fail("TextToDouble", text, Show(got), Show(want));
    return 0;
}
