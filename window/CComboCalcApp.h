// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The application object: starts the main window and ends the program when
// the window ends. It keeps nothing between runs but the combo file the window
// opens with.
class CComboCalcApp {
public:
    // Runs the main window modally; returns false, as there is no loop of its
    // own to enter afterwards.
    bool InitInstance();

    // Runs the program; with `comboFile`, the window opens with that combo.
    int Run(const QString& comboFile = QString());

private:
    QString m_comboFile;
};

extern CComboCalcApp theApp;
