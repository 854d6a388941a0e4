#include "app/CComboCalcApp.h"
#include "app/ExitAfterFirstFrame.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    StartFontSystemWarmUp();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kov Calculator"));
    QApplication::setApplicationVersion(QStringLiteral("0.92"));
    // Lets the desktop match the window to its entry and icon (the Wayland
    // app id; on X11 the window properties that name the entry).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kovcalculator.KovCalculator"));

    ExitAfterFirstFrame exitHook;
    exitHook.InstallIfRequested(app);

    return theApp.Run();
}
