// SPDX-License-Identifier: MIT
#include "files/ComboFileError.h"

std::string FormatComboFileError(std::string_view file, const ComboFileError& error) {
    std::string message(file);
    if (error.line > 0) {
        message += ':' + std::to_string(error.line) + ':' + std::to_string(error.column);
    } else if (!error.where.empty()) {
        message += ": ";
        message += error.where;
    }
    message += ": ";
    message += error.reason;
    return message;
}
