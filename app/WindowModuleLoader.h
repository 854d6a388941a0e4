// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Loads the window module and runs the window mode in it; returns the exit
// status. The module is looked for beside the running program (the build
// folder) and then where the installation puts it, relative to the program's
// own folder. If it cannot be loaded, the program says so in one sentence on
// standard error and the status is 1.
int RunWindowModule(int argc, char** argv, const std::string& comboFile);
