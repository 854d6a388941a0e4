// SPDX-License-Identifier: MIT
#include "files/SystemError.h"

#include <cstring>
#include <locale.h>

std::string SystemErrorText(int err) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (cLocale != locale_t{}) {
        if (const char* text = strerror_l(err, cLocale)) {
            return text;
        }
    }
    return "error " + std::to_string(err);
}
