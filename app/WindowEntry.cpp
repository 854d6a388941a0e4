// SPDX-License-Identifier: MIT
#include "app/WindowModule.h"

#include "app/PlatformStartGuard.h"

#include "KovVersion.h"
#include "window/CComboCalcApp.h"
#include "window/DialogFont.h"
#include "window/ExitAfterFirstFrame.h"

#include <QApplication>
#include <QFile>

#include <optional>

int KovRunWindow(int argc, char** argv, const char* comboFile, void (*waitForFontSystem)()) {
    SetFontSystemWait(waitForFontSystem);
    // QApplication keeps a reference to argc: this one outlives it. A display
    // that does not answer ends the program inside its constructor.
    std::optional<PlatformStartGuard> platformStart(std::in_place);
    QApplication app(argc, argv);
    platformStart.reset();
    QApplication::setApplicationName(QStringLiteral("Kov Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(KOV_VERSION));
    // Lets the desktop match the window to its entry and icon (the Wayland
    // app id; on X11 the window properties that name the entry).
    QGuiApplication::setDesktopFileName(QStringLiteral(KOV_APP_ID));

    ExitAfterFirstFrame exitHook;
    exitHook.InstallIfRequested(app);

    return theApp.Run(QFile::decodeName(comboFile));
}
