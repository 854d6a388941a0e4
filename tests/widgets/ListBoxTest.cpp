// SPDX-License-Identifier: MIT
#include "support/ModalGuard.h"
#include "window/controls/ComboListBox.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ComboListBox, TheUserCanMoveButNeverRemoveTheSelectionAndEveryChoiceOfALineIsReported) {
    ModalGuard guard;
    ComboListBox list;
    list.resize(300, 200);
    list.addItems({"01 line", "02 line", "03 line"});
    list.show();
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    QSignalSpy moved(&list, &ComboListBox::userSelectionChanged);
    auto click = [&](int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, mods,
                          list.visualItemRect(list.item(row)).center());
    };

    list.setCurrentRow(0);
    list.setCurrentRow(-1);
    EXPECT_EQ(moved.count(), 0) << "changes made by code";

    click(1);
    EXPECT_EQ(list.selectedRow(), 1);
    click(1, Qt::ControlModifier);
    EXPECT_EQ(list.selectedRow(), 1) << "Ctrl+click";
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list.selectedRow(), 1) << "Ctrl+Space";
    const QPoint below(10, list.viewport()->height() - 5);
    ASSERT_FALSE(list.indexAt(below).isValid());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(list.selectedRow(), 1) << "click below the last line";
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.selectedRow(), 2);
    QTest::keyClick(&list, Qt::Key_Down);
    click(2);

    // Choosing the selected line again counts as a choice (it reloads the
    // line), whether by a click, Ctrl+click or a key that stays put.
    QList<int> rows;
    for (const QList<QVariant>& signal : moved)
        rows.append(signal.at(0).toInt());
    EXPECT_EQ(rows, (QList<int>{1, 1, 2, 2, 2}));
}

} // namespace
