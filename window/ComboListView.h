// SPDX-License-Identifier: MIT
#pragma once

#include "model/ComboState.h"

#include <QObject>

class ComboListBox;

// The combo list of the window: one line per row of the combo, a tooltip on
// each line too wide for the list, and the line a person chose.
class ComboListView : public QObject {
    Q_OBJECT

public:
    ComboListView(ComboListBox* list, QObject* parent);

    // The lines of rows 0..m_nLast, as they stand after scoring.
    void Rebuild(const ComboState& state);
    // No lines and no selection.
    void Clear();

    int SelectedLine() const;
    // Selects `line` as the program does: no selection handler runs.
    void SelectLine(int line);

private:
    void UpdateLineTooltips();

    ComboListBox* m_list;
};
