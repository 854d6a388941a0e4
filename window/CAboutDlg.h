// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// The About box (template 100): the icon, the product and version lines, the
// author line and OK. It has no state; each opening builds a fresh one.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `parent` is the owner: the box is centred over it and blocks it while
    // open.
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // Runs the box modally; OK, Enter, Escape and the close box end it.
    int DoModal();

    // Opens a fresh box over `owner` and returns when it is closed: what the
    // main window's About entry runs.
    static void openOver(QWidget* owner);
};
