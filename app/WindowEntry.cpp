// SPDX-License-Identifier: MIT
#include "app/WindowModule.h"

#include "KovVersion.h"
#include "window/CComboCalcApp.h"
#include "window/ExitAfterFirstFrame.h"
#include "window/Startup.h"

#include <QApplication>
#include <QFile>

int KovRunWindow(int argc, char** argv, const char* comboFile) {
    // The font system's set-up starts before the application object, so that
    // it overlaps the connection to the display.
    StartFontSystemWarmUp();
    // QApplication keeps a reference to argc: this one outlives it.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kov Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(KOV_VERSION));
    // Lets the desktop match the window to its entry and icon (the Wayland
    // app id; on X11 the window properties that name the entry).
    QGuiApplication::setDesktopFileName(QStringLiteral(KOV_APP_ID));

    ExitAfterFirstFrame exitHook;
    exitHook.InstallIfRequested(app);

    return theApp.Run(QFile::decodeName(comboFile));
}
