// SPDX-License-Identifier: MIT
#include "app/CAboutDlg.h"
