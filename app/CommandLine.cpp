// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "KovVersion.h"
#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"
#include "report/ComboReport.h"
#include "report/ResultsLog.h"
#include "scoring/BestOrder.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <unistd.h>
#include <variant>

namespace {

constexpr const char* kProgramName = "kov-calculator";
constexpr int kExitWriteFailed = 1;
constexpr int kExitRefused = 2;
constexpr const char* kStandardInput = "-";

void PrintError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
}

// Standard output is the product of these modes: a short write (a full disk,
// a closed pipe) is a failure, never a silent success.
bool PrintBytes(const std::string& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return std::fflush(stdout) == 0 && written;
}

std::optional<ComboState> LoadOrComplain(const std::string& file) {
    ComboFileResult loaded =
        file == kStandardInput ? LoadComboFileFrom(STDIN_FILENO) : LoadComboFile(file);
    if (const auto* error = std::get_if<ComboFileError>(&loaded)) {
        PrintError(FormatComboFileError(file, *error));
        return std::nullopt;
    }
    return std::get<ComboState>(std::move(loaded));
}

int EmitReport(const ComboState& state, bool append) {
    const std::string block = BuildComboReport(state);
    if (append) {
        const AppendOutcome outcome = AppendResultsBlock(kResultsFileName, block);
        if (!outcome.ok) {
            PrintError(std::string(kResultsFileName) + ": " + outcome.error);
            return kExitWriteFailed;
        }
        return 0;
    }
    if (!PrintBytes(block)) {
        PrintError("standard output: the report could not be written");
        return kExitWriteFailed;
    }
    return 0;
}

int RunReport(const CommandLineRequest& request) {
    const std::optional<ComboState> state = LoadOrComplain(request.file);
    if (!state)
        return kExitRefused;
    return EmitReport(*state, request.append);
}

int RunBestOrder(const CommandLineRequest& request) {
    const std::optional<ComboState> state = LoadOrComplain(request.file);
    if (!state)
        return kExitRefused;
    const BestOrderResult best = FindBestOrder(*state);
    if (!request.output.empty()) {
        const FileWriteOutcome saved = SaveComboFile(request.output, best.state);
        if (!saved.ok) {
            PrintError(request.output + ": " + saved.error);
            return kExitWriteFailed;
        }
    }
    return EmitReport(best.state, false);
}

// Qt names the executable by how it was started, or not at all before an
// application object exists; the usage line names the command as installed.
std::string UsageWithProgramName(std::string help) {
    const std::string usage = "Usage: ";
    if (help.rfind(usage, 0) == 0) {
        const std::size_t end = help.find(' ', usage.size());
        if (end != std::string::npos)
            help.replace(usage.size(), end - usage.size(), kProgramName);
    }
    return help;
}

} // namespace

CommandLineRequest ParseCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Kov Calculator: damage and score of trap combos.\n"
        "Without options it opens the window, with FILE loaded when one is given."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Write the Output report of the combo in FILE to standard output "
                       "(FILE - reads standard input)."),
        QStringLiteral("FILE"));
    const QCommandLineOption append(
        QStringLiteral("append"),
        QStringLiteral("With --report: append the report to Results.Txt instead."));
    const QCommandLineOption bestOrder(
        QStringLiteral("best-order"),
        QStringLiteral("Reorder the combo in FILE for the highest total Kov and write its "
                       "report to standard output."),
        QStringLiteral("FILE"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        QStringLiteral("With --best-order: also save the reordered combo to OUT."),
        QStringLiteral("OUT"));
    parser.addOptions({help, version, report, append, bestOrder, output});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A combo file (.kovcombo) to open in the window."),
                                 QStringLiteral("[FILE]"));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    CommandLineRequest request;
    request.helpText = UsageWithProgramName(parser.helpText().toStdString());
    const auto refuse = [&request](const QString& why) {
        request.mode = CommandLineRequest::Mode::Refused;
        request.error = why.toStdString();
        return request;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        request.mode = CommandLineRequest::Mode::Help;
        return request;
    }
    if (parser.isSet(version)) {
        request.mode = CommandLineRequest::Mode::Version;
        return request;
    }
    const QStringList positional = parser.positionalArguments();
    const bool isReport = parser.isSet(report);
    const bool isBestOrder = parser.isSet(bestOrder);
    if (isReport && isBestOrder)
        return refuse(QStringLiteral("--report and --best-order cannot be combined."));
    if (parser.isSet(append) && !isReport)
        return refuse(QStringLiteral("--append goes with --report."));
    if (parser.isSet(output) && !isBestOrder)
        return refuse(QStringLiteral("--output goes with --best-order."));
    if ((isReport || isBestOrder) && !positional.isEmpty())
        return refuse(QStringLiteral("Unexpected argument: %1").arg(positional.first()));
    if (positional.size() > 1)
        return refuse(QStringLiteral("Only one FILE can be opened."));

    if (isReport) {
        request.mode = CommandLineRequest::Mode::Report;
        request.file = parser.value(report).toLocal8Bit().toStdString();
        request.append = parser.isSet(append);
    } else if (isBestOrder) {
        request.mode = CommandLineRequest::Mode::BestOrder;
        request.file = parser.value(bestOrder).toLocal8Bit().toStdString();
        request.output = parser.value(output).toLocal8Bit().toStdString();
    } else if (!positional.isEmpty()) {
        request.file = positional.first().toLocal8Bit().toStdString();
    }
    return request;
}

int RunCommandLineMode(const CommandLineRequest& request) {
    switch (request.mode) {
    case CommandLineRequest::Mode::Help:
        return PrintBytes(request.helpText) ? 0 : kExitWriteFailed;
    case CommandLineRequest::Mode::Version:
        return PrintBytes(std::string(kProgramName) + " " + KOV_VERSION + "\n") ? 0
                                                                                 : kExitWriteFailed;
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
