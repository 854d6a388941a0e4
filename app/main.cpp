#include "KovVersion.h"
#include "app/CComboCalcApp.h"
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/ExitAfterFirstFrame.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The modes that print or write files need no display and no toolkit
    // beyond reading the arguments.
    const CommandLineRequest request = ParseCommandLine(argc, argv);
    if (request.mode != CommandLineRequest::Mode::Window)
        return RunCommandLineMode(request);

    ExitUnlessDesktopSession();
    StartFontSystemWarmUp();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kov Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(KOV_VERSION));
    // Lets the desktop match the window to its entry and icon (the Wayland
    // app id; on X11 the window properties that name the entry).
    QGuiApplication::setDesktopFileName(QStringLiteral(KOV_APP_ID));

    ExitAfterFirstFrame exitHook;
    exitHook.InstallIfRequested(app);

    return theApp.Run(QString::fromLocal8Bit(request.file.c_str()));
}
