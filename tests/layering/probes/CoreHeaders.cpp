// SPDX-License-Identifier: MIT
// Every folder of the core is reachable from a core file.
#include "files/ComboFileReader.h"
#include "model/ComboEditor.h"
#include "report/ComboReport.h"
#include "report/ResultsLog.h"
#include "scoring/Scoring.h"
#include "text/DigitFilter.h"
#include "text/ModeName.h"
#include "text/NumberFormat.h"
#include "text/NumberParse.h"
#include "text/RowLine.h"
