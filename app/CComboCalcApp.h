#pragma once

// The application object: starts the main window and ends the program when
// the window ends. It keeps nothing between runs.
class CComboCalcApp {
public:
    // Runs the main window modally; returns false, as there is no loop of its
    // own to enter afterwards.
    bool InitInstance();

    int Run();
};

extern CComboCalcApp theApp;
