// SPDX-License-Identifier: MIT
#include "window/BoxWidth.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace {

// The title bar's icon and its buttons (minimise, maximise, close) and the
// space around them, each about as wide as the bar is high.
constexpr int kTitleBarSquares = 5;

// The width a title bar needs for the box's title, its icon and buttons.
int TitleBarWidth(const QMessageBox& box) {
    // Window managers draw titles in a bold face of about the window's size.
    QFont font = box.font();
    font.setBold(true);
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarSquares * bar;
}

} // namespace

void FitTitle(QMessageBox& box) {
    // The box fixes its own size from its layout's minimum when it is shown,
    // so the width goes into the layout, as an empty row across it.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    grid->addItem(new QSpacerItem(TitleBarWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
