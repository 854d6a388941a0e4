// SPDX-License-Identifier: MIT
#include "window/ComboListView.h"

#include "text/RowLine.h"
#include "window/controls/ComboListBox.h"

#include <QStyle>

ComboListView::ComboListView(ComboListBox* list, QObject* parent) : QObject(parent), m_list(list) {}

void ComboListView::Rebuild(const ComboState& state) {
    m_list->clear();
    for (int row = 0; row <= state.m_nLast; ++row) {
        m_list->addItem(
            QString::fromStdString(FormatRowLine(row, state.m_table[row], state.m_results[row])));
    }
    UpdateLineTooltips();
}

void ComboListView::Clear() {
    m_list->clear();
    m_list->setCurrentRow(-1);
}

int ComboListView::SelectedLine() const {
    return m_list->selectedRow();
}

void ComboListView::SelectLine(int line) {
    m_list->setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
}

void ComboListView::UpdateLineTooltips() {
    // The text starts after the item's margin on either side.
    const int margin =
        2 * (m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1);
    const int room = m_list->viewport()->width() - margin;
    const QFontMetrics metrics = m_list->fontMetrics();
    for (int line = 0; line < m_list->count(); ++line) {
        QListWidgetItem* item = m_list->item(line);
        const bool cut = metrics.horizontalAdvance(item->text()) > room;
        item->setToolTip(cut ? item->text() : QString());
    }
}
