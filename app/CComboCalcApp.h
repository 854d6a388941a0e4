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

    // Runs the program's window; `comboFile` is the combo file named on the
    // command line, or empty.
    int Run(const QString& comboFile = QString());

    // The combo file the window opens with (empty: a new combo).
    const QString& comboFile() const { return m_comboFile; }

private:
    QString m_comboFile;
};

extern CComboCalcApp theApp;
