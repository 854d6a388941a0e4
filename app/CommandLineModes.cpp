// SPDX-License-Identifier: MIT
// The modes that print or write files and need no window.
#include "app/CommandLine.h"
#include "app/ProgramName.h"
#include "app/StandardOutput.h"

#include "KovVersion.h"
#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"
#include "report/BestOrderSummary.h"
#include "report/ComboReport.h"
#include "report/ResultsLog.h"
#include "scoring/BestOrder.h"

#include <cstdio>
#include <optional>
#include <unistd.h>
#include <variant>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitRefused = 2;
constexpr const char* kStandardStream = "-";

void PrintError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
}

int Print(const std::string& bytes) {
    if (const std::string error = WriteStandardOutput(bytes); !error.empty()) {
        PrintError("standard output: " + error);
        return kExitWriteFailed;
    }
    return 0;
}

std::optional<ComboState> LoadOrComplain(const std::string& file) {
    ComboFileResult loaded =
        file == kStandardStream ? LoadComboFileFrom(STDIN_FILENO) : LoadComboFile(file);
    if (const auto* error = std::get_if<ComboFileError>(&loaded)) {
        PrintError(FormatComboFileError(file, *error));
        return std::nullopt;
    }
    // The window's Output is off while the combo is empty: a block with no
    // hits is nothing the window ever writes.
    if (std::get<ComboState>(loaded).m_nLast < 0) {
        PrintError(file + ": the combo has no hits, so there is nothing to report");
        return std::nullopt;
    }
    return std::get<ComboState>(std::move(loaded));
}

int EmitReport(const ComboState& state, bool append) {
    const std::string block = BuildComboReport(state);
    if (append) {
        const WriteOutcome outcome = AppendResultsBlock(kResultsFileName, block);
        if (!outcome.ok) {
            PrintError(std::string(kResultsFileName) + ": " + outcome.error);
            return kExitWriteFailed;
        }
        return 0;
    }
    return Print(block);
}

int RunReport(const CommandLineRequest& request) {
    const std::optional<ComboState> state = LoadOrComplain(request.file);
    if (!state)
        return kExitRefused;
    return EmitReport(*state, request.append);
}

// With --output naming standard output, by "-" or by any other name, the
// reordered combo file goes there instead of the report: the two mixed would
// be neither a combo file nor a report.
int RunBestOrder(const CommandLineRequest& request) {
    const std::optional<ComboState> state = LoadOrComplain(request.file);
    if (!state)
        return kExitRefused;
    const BestOrderResult best = FindBestOrder(*state);
    int status = 0;
    if (request.output == kStandardStream || IsStandardOutput(request.output)) {
        status = Print(SerializeComboFile(best.state));
    } else {
        if (!request.output.empty()) {
            const WriteOutcome saved = SaveComboFile(request.output, best.state);
            if (!saved.ok) {
                PrintError(request.output + ": " + saved.error);
                return kExitWriteFailed;
            }
        }
        status = EmitReport(best.state, false);
    }
    if (status == 0)
        std::fprintf(stderr, "%s\n", BestOrderSummary(best).c_str());
    return status;
}

} // namespace

int RunCommandLineMode(const CommandLineRequest& request) {
    switch (request.mode) {
    case CommandLineRequest::Mode::Help:
        return Print(request.helpText);
    case CommandLineRequest::Mode::Version:
        return Print(std::string(kProgramName) + " " + KOV_VERSION + "\n");
    case CommandLineRequest::Mode::Report:
        return RunReport(request);
    case CommandLineRequest::Mode::BestOrder:
        return RunBestOrder(request);
    case CommandLineRequest::Mode::Refused:
        PrintError(request.error);
        std::fputs(request.helpText.c_str(), stderr);
        return kExitRefused;
    case CommandLineRequest::Mode::Window:
        break;
    }
    return 0;
}
