// SPDX-License-Identifier: MIT
// Every folder of the core is reachable from a core file.
#include "dialog/text/DigitFilter.h"
#include "dialog/text/ModeName.h"
#include "dialog/text/NumberFormat.h"
#include "dialog/text/NumberParse.h"
#include "dialog/text/RowLine.h"
#include "model/ComboEditor.h"
#include "report/ResultsLog.h"
#include "scoring/Scoring.h"
