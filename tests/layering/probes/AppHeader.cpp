// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
