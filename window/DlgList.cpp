// SPDX-License-Identifier: MIT
// Copy Report: the Output block on the clipboard.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"

#include <QClipboard>
#include <QGuiApplication>

void CComboCalcDlg::OnCopyReport() {
    if (!m_workbench.IsEnabled(WorkbenchCommand::CopyReport, -1)) {
        Feedback::Beep();
        return;
    }
    // The file keeps CR LF; the clipboard gets the desktop's own line ends.
    QString text = QString::fromStdString(ReportBlock());
#ifndef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    QGuiApplication::clipboard()->setText(text);
}
