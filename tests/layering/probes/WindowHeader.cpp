// SPDX-License-Identifier: MIT
#include "window/CComboCalcDlg.h"
