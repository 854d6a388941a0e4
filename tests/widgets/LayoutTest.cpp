// SPDX-License-Identifier: MIT
#include "MainDialogFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace {

// Dialog units to pixels the long way round, as a cross-check of the builder.
QRect Expected(const BuiltDialog& b, int x, int y, int cx, int cy) {
    auto h = [&](int u) { return static_cast<int>(std::lround(u * b.baseX / 4.0)); };
    auto v = [&](int u) { return static_cast<int>(std::lround(u * b.baseY / 8.0)); };
    return QRect(h(x), v(y), h(cx), v(cy));
}

TEST_F(MainDialogTest, GeometryFollowsTheTemplateAndTheTextFits) {
    const QFontMetrics metrics(built.font);
    EXPECT_EQ(built.baseY, metrics.height());
    EXPECT_NEAR(built.baseX, metrics.horizontalAdvance(u'M'), 1); // one half-width cell

    EXPECT_EQ(dialog.size(), Expected(built, 0, 0, 341, 309).size());
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.windowType(), Qt::Window) << "an ownerless dialog gets no taskbar entry";
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* list = Get<QListWidget>(Ctl::List);
    EXPECT_EQ(list->geometry(), Expected(built, 2, 18, 336, 123));
    EXPECT_EQ(Get<QPushButton>(Ctl::Add)->geometry(), Expected(built, 4, 290, 40, 14));

    // An 83-character line fits the header and, beside the scroll bar, the list.
    auto* header = dialog.findChild<QLabel*>(QStringLiteral("labelHeader"));
    ASSERT_NE(header, nullptr);
    const int lineWidth = metrics.horizontalAdvance(header->text());
    EXPECT_LE(lineWidth, header->contentsRect().width());
    for (int i = 0; i < 40; ++i)
        list->addItem(header->text());
    QApplication::processEvents();
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_LE(lineWidth, list->viewport()->width());
}

TEST_F(MainDialogTest, EveryControlHasAnAccessibleNameWithoutItsMnemonicSign) {
    // A screen reader announces the control by this name; unlabelled edits
    // and lists take the text of the label before them.
    for (QWidget* item : built.items) {
        if (item->focusPolicy() == Qt::NoFocus)
            continue;
        SCOPED_TRACE(item->objectName().toStdString());
        EXPECT_FALSE(item->accessibleName().isEmpty());
        EXPECT_FALSE(item->accessibleName().contains(u'&'));
    }
    EXPECT_EQ(Get<QWidget>(Ctl::Hp)->accessibleName(), QStringLiteral("Hp"));
    EXPECT_EQ(Get<QWidget>(Ctl::Add)->accessibleName(), QStringLiteral("Add"));
}

TEST_F(MainDialogTest, DropDownListsStartEmptyAndDropBelowTheirBox) {
    auto* kovRate = Get<QComboBox>(Ctl::KovRate);
    EXPECT_EQ(kovRate->currentIndex(), -1);
    EXPECT_EQ(kovRate->itemText(5), QStringLiteral("1.0"));

    // The template's height includes the dropped list; the box is far shorter.
    const QRect full = Expected(built, 192, 182, 27, 73);
    EXPECT_EQ(kovRate->geometry().topLeft(), full.topLeft());
    EXPECT_LT(kovRate->height(), full.height() / 2);

    kovRate->showPopup();
    QWidget* popup = kovRate->view()->window();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_GE(popup->geometry().top(), kovRate->mapToGlobal(QPoint(0, kovRate->height())).y() - 1);
    EXPECT_LE(popup->height(), full.height() - kovRate->height() + 2);
    EXPECT_LT(kovRate->maxVisibleItems(), kovRate->count());
    kovRate->hidePopup();
}

} // namespace
