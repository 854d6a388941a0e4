// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// What the command line asks of the program.
struct CommandLineRequest {
    enum class Mode { Window, Help, Version, Report, BestOrder, Refused };
    Mode mode = Mode::Window;
    std::string file;     // the combo file ("-": standard input); may be empty for the window
    bool append = false;  // --report: append to Results.Txt instead of printing
    std::string output;   // --best-order: also save the reordered combo here ("-": standard output)
    std::string helpText; // the usage text, for Help and Refused
    std::string error;    // why the arguments were refused
};

// Reads the arguments without creating any application object, so that the
// modes that only print never touch a display.
CommandLineRequest ParseCommandLine(int argc, char** argv);

// Runs a mode that needs no window (anything but Mode::Window) and returns
// the exit status: 0 done, 1 a file could not be written (standard output
// included), 2 a refused combo file (an empty combo too) or refused arguments.
int RunCommandLineMode(const CommandLineRequest& request);
