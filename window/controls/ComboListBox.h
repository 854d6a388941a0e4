// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

// Single-selection list box. The user can select a line but never get rid of
// the selection: Ctrl+click, Ctrl+Space and clicks below the last line leave
// it as it is. Only code clears it.
class ComboListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ComboListBox(QWidget* parent = nullptr);

    // The selected row, -1 for none.
    int selectedRow() const;

Q_SIGNALS:
    // The user chose line `row`: the left button went up after a press on a
    // line, or a navigation key landed on a line, or a typed key moved the
    // selection. Sent even when the line stays the same, so that choosing a
    // line again reloads it; never for changes made by code, never with -1.
    void userSelectionChanged(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void reportChoice();

    bool m_pressedOnLine = false;
};
