// SPDX-License-Identifier: MIT
#include "window/controls/ComboListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

ComboListBox::ComboListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    // A line that does not fit is cut at the edge, never shortened with "...".
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ComboListBox::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QItemSelectionModel::SelectionFlags ComboListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (event == nullptr)
        return command; // a change asked for by code goes through unchanged
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ComboListBox::reportChoice() {
    const int row = selectedRow();
    if (row >= 0)
        Q_EMIT userSelectionChanged(row);
}

void ComboListBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_pressedOnLine = indexAt(e->position().toPoint()).isValid();
    QListWidget::mousePressEvent(e);
}

void ComboListBox::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
    // The choice is made when the button goes up, wherever a drag ended.
    if (e->button() == Qt::LeftButton && std::exchange(m_pressedOnLine, false))
        reportChoice();
}

void ComboListBox::keyPressEvent(QKeyEvent* e) {
    const int before = selectedRow();
    QListWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        reportChoice();
        break;
    default:
        if (selectedRow() != before)
            reportChoice();
        break;
    }
}
