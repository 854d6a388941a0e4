#include "dialog/Win32Controls.h"
#include "support/ModalGuard.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Win32ListBox, TheUserCanMoveButNeverRemoveTheSelectionAndOnlyUserMovesAreReported) {
    ModalGuard guard;
    Win32ListBox list;
    list.resize(300, 200);
    list.addItems({"01 line", "02 line", "03 line"});
    list.show();
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    QSignalSpy moved(&list, &Win32ListBox::userSelectionChanged);
    auto click = [&](int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, mods,
                          list.visualItemRect(list.item(row)).center());
    };

    list.setCurrentRow(0);
    list.setCurrentRow(-1);
    EXPECT_EQ(moved.count(), 0) << "changes made by code";

    click(1);
    EXPECT_EQ(list.SelectedRow(), 1);
    click(1, Qt::ControlModifier);
    EXPECT_EQ(list.SelectedRow(), 1) << "Ctrl+click";
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list.SelectedRow(), 1) << "Ctrl+Space";
    const QPoint below(10, list.viewport()->height() - 5);
    ASSERT_FALSE(list.indexAt(below).isValid());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(list.SelectedRow(), 1) << "click below the last line";
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedRow(), 2);

    ASSERT_EQ(moved.count(), 2);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 1);
    EXPECT_EQ(moved.at(1).at(0).toInt(), 2);
}

} // namespace
