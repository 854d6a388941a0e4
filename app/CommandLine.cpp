// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/ProgramName.h"

#include <QCommandLineParser>
#include <QStringList>

namespace {

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
    parser.setApplicationDescription(
        QStringLiteral("Kov Calculator: damage and score of trap combos.\n"
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
        QStringLiteral("With --best-order: also save the reordered combo to OUT (OUT - writes "
                       "it to standard output instead of the report)."),
        QStringLiteral("OUT"));
    parser.addOptions({help, version, report, append, bestOrder, output});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A combo file (.kovcombo) to open in the window."),
                                 QStringLiteral("[FILE]"));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    CommandLineRequest request;
    // Laid out only for the modes that print it: the window starts without
    // waiting for it.
    const auto withHelp = [&request, &parser]() {
        request.helpText = UsageWithProgramName(parser.helpText().toStdString());
        return request;
    };
    const auto refuse = [&request, &withHelp](const QString& why) {
        request.mode = CommandLineRequest::Mode::Refused;
        request.error = why.toStdString();
        return withHelp();
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    // Taking the last of two would silently drop the first.
    for (const QCommandLineOption* once : {&report, &bestOrder, &output, &append}) {
        const QString name = once->names().constFirst();
        if (parser.optionNames().count(name) > 1)
            return refuse(QStringLiteral("--%1 can be given only once.").arg(name));
    }
    if (parser.isSet(help)) {
        request.mode = CommandLineRequest::Mode::Help;
        return withHelp();
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
    if (parser.isSet(output) && parser.value(output).isEmpty())
        return refuse(QStringLiteral("--output needs a file name (- for standard output)."));
    if ((isReport && parser.value(report).isEmpty()) ||
        (isBestOrder && parser.value(bestOrder).isEmpty()))
        return refuse(QStringLiteral("FILE cannot be empty (- for standard input)."));
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
