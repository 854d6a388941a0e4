// SPDX-License-Identifier: MIT
// The combo list: rebuilt from the model after every calculation, and read
// back line by line for the report.
#include "window/CComboCalcDlg.h"

#include "window/Feedback.h"
#include "window/controls/ComboListBox.h"
#include "text/RowLine.h"
#include "scoring/Scoring.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

void CComboCalcDlg::Recalculate() {
    ScoreCombo(m_state);
    RebuildComboList();
}

void CComboCalcDlg::RebuildComboList() {
    m_listCombo->clear();
    for (int row = 0; row <= m_state.m_nLast; ++row) {
        m_listCombo->addItem(QString::fromStdString(
            FormatRowLine(row, m_state.m_table[row], m_state.m_results[row])));
    }

    ClearEntry(m_state.m_entry);
    ShowEntry(m_state.m_entry);
    m_btnModify->setEnabled(false);
    m_btnRemove->setEnabled(false);
    m_btnAdd->setEnabled(m_state.m_nLast < kLastRow);
    m_btnClear->setFocus();
    UpdateLineTooltips();
}

std::string CComboCalcDlg::ReportBlock() const {
    // The report carries the lines exactly as the list shows them.
    std::vector<std::string> lines;
    const int count = std::min(m_listCombo->count(), m_state.m_nLast + 1);
    for (int line = 0; line < count; ++line)
        lines.push_back(m_listCombo->item(line)->text().toStdString());
    return BuildResultsBlock(m_state, lines);
}

AppendOutcome CComboCalcDlg::WriteResultsLog() {
    return AppendResultsBlock(kResultsFileName, ReportBlock());
}

void CComboCalcDlg::OnCopyReport() {
    if (m_state.m_nLast < 0) {
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
