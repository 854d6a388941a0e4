// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QFileDialog;

// The filter for every file, offered after the combo filter.
inline constexpr const char* kAllFilesFilter = "All files (*)";

// Makes `dialog` offer `comboFilter` and then every file, list the files with
// their details, and be wide enough to show the Name, Size, Type and Date
// Modified columns whole (a dialog of the desktop's own shows them its way).
void SetUpFileDialog(QFileDialog& dialog, const QString& comboFilter);
