// SPDX-License-Identifier: MIT
// The window mode with the window linked into the program itself, no module
// and no command line: main() goes straight to the module's entry point.
// bench/startup.sh times it beside kov-calculator, so the difference between
// the two is what the program pays for reading its arguments first and
// loading the window as a module.
#include "app/FontSystemWarmUp.h"
#include "app/WindowModule.h"

int main(int argc, char** argv) {
    StartFontSystemWarmUp(); // as the program does before it loads the module
    return KovRunWindow(argc, argv, "", &WaitForFontSystem);
}
