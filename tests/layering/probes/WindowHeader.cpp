// SPDX-License-Identifier: MIT
#include "dialog/CComboCalcDlg.h"
