// SPDX-License-Identifier: MIT
#include "window/CComboCalcApp.h"

#include "window/CAboutDlg.h"
#include "window/CComboCalcDlg.h"
#include "window/DialogFont.h"
#include "window/TooltipWrapping.h"
#include "window/templates/DialogTemplate.h"

#include <QApplication>

CComboCalcApp theApp;

bool CComboCalcApp::InitInstance() {
    // Everything the program shows is in its dialogs' face, the message boxes
    // and the window menu (whose About entry is Japanese) included. It also
    // spares loading the desktop's face only to lay out the empty text that
    // every line edit is created with, before it takes the dialog's font.
    const DialogTemplate& tmpl = MainDialogTemplate();
    QApplication::setFont(DialogFont(tmpl.fontFace, tmpl.pointSize));
    const TooltipWrapping tooltips(nullptr);

    CComboCalcDlg dlg;
    dlg.setAboutBoxOpener(&CAboutDlg::openOver);
    if (!m_comboFile.isEmpty())
        dlg.openComboFile(
            m_comboFile); // a refused file is explained in a box; the window opens empty
    dlg.DoModal();        // the result tells nothing: every ending is a cancel
    return false;
}

int CComboCalcApp::Run(const QString& comboFile) {
    m_comboFile = comboFile;
    InitInstance();
    return 0;
}
