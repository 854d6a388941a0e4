// SPDX-License-Identifier: MIT
// The yardstick for the whole-process figures: the smallest Qt 6 Widgets
// program that shows a window, one empty QDialog run modally, built with the
// same compiler flags as kov-calculator. bench/startup.sh compares the
// program's start-up time and peak memory with this one's.
//
// With --text the dialog also shows one line of text in the program's face
// (IPAGothic 10 pt): the least any window with text pays for the font system,
// which the empty dialog never starts.
#include "window/ExitAfterFirstFrame.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExitAfterFirstFrame exitHook;
    exitHook.InstallIfRequested(app);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        QFont face(QStringLiteral("IPAGothic"));
        face.setPointSize(10);
        dialog.setFont(face);
        auto* line =
            new QLabel(QStringLiteral("No. Type  Ar Co Ct Dd Jk Lt Lr Rp Dmg T.Dmg"), &dialog);
        line->move(8, 8);
    }
    return dialog.exec();
}
