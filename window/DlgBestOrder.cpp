// SPDX-License-Identifier: MIT
// Best Order: the combo's units in the order that scores the most, found on a
// worker thread (see BestOrderRunner).
#include "window/CComboCalcDlg.h"

#include "report/BestOrderSummary.h"
#include "window/BestOrderRunner.h"
#include "window/Feedback.h"

void CComboCalcDlg::OnBestOrder() {
    if (!m_workbench.IsEnabled(WorkbenchCommand::BestOrder, -1)) {
        Feedback::Beep();
        return;
    }
    const BestOrderRunner::Search search =
        m_bestOrderSearch
            ? m_bestOrderSearch
            : BestOrderRunner::Search(
                  [](const ComboState& s, const SearchControl* c) { return FindBestOrder(s, c); });
    const BestOrderRunner::Outcome outcome = m_bestOrderRunner->Run(State(), search);
    if (m_closeAfterSearch) {
        m_closeAfterSearch = false;
        reject();
        return;
    }
    if (!outcome.error.empty()) {
        Feedback::ShowMessageBox(this, Feedback::BoxIcon::Warning, QStringLiteral("Best Order"),
                                 QStringLiteral("The search failed and the combo is as it was: %1")
                                     .arg(QString::fromStdString(outcome.error)));
        return;
    }
    const BestOrderResult& result = outcome.result;
    if (result.cancelled)
        return;
    if (result.improved)
        Apply(m_workbench.TakeBestOrder(result));
    const QString text = QString::fromStdString(BestOrderSummary(result));
    Feedback::ShowMessageBox(this, Feedback::BoxIcon::Information, QStringLiteral("Best Order"),
                             text);
}
