// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/FontSystemWarmUp.h"
#include "app/WindowModuleLoader.h"

int main(int argc, char** argv) {
    // The modes that print or write files need no display and no toolkit
    // beyond reading the arguments; the window's libraries are loaded only
    // for the window.
    const CommandLineRequest request = ParseCommandLine(argc, argv);
    if (request.mode != CommandLineRequest::Mode::Window)
        return RunCommandLineMode(request);

    ExitUnlessDesktopSession();
    // Runs while the window's libraries are loaded.
    StartFontSystemWarmUp();
    return RunWindowModule(argc, argv, request.file);
}
