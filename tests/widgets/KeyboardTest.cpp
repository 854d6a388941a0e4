// SPDX-License-Identifier: MIT
#include "MainDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

TEST_F(MainDialogTest, TabFollowsTemplateOrderAndEntersRadioGroupsAtTheCheckedButton) {
    Get<QRadioButton>(Ctl::Wall)->setChecked(true); // from code, not a click
    Get<QRadioButton>(Ctl::Off)->setChecked(true);

    QWidget* hp = Get<QLineEdit>(Ctl::Hp);
    hp->setFocus(Qt::TabFocusReason);
    QStringList cycle{FocusName()};
    for (int i = 0; i < 60 && (i == 0 || QApplication::focusWidget() != hp); ++i) {
        PressTab();
        cycle << FocusName();
    }
    ASSERT_EQ(cycle.last(), QStringLiteral("m_editHp")) << "Tab never came back";
    cycle.removeLast();

    const QStringList start{"m_editHp",     "m_editDef",      "m_rdoWall",   "m_editDamage",
                            "m_cmbKovRate", "m_chkUnDefence", "m_cmbHitRate"};
    EXPECT_EQ(cycle.mid(0, start.size()), start);
    EXPECT_EQ(cycle.indexOf("m_cmbLinkCount"), cycle.indexOf("m_chkLinkTrap") + 1);
    EXPECT_TRUE(cycle.contains("m_rdoOff"));
    for (const char* absent : {"m_rdoCeil", "m_rdoOn", "m_chkOption", "labelHp", "groupBonus"})
        EXPECT_FALSE(cycle.contains(QString::fromLatin1(absent))) << absent;
    EXPECT_EQ(cycle.last(), QStringLiteral("m_listCombo")) << "the list closes the ring";

    auto* option = Get<QCheckBox>(Ctl::Option);
    EXPECT_TRUE(option->isHidden() && !option->isEnabled());
}

TEST_F(MainDialogTest, MnemonicsOfLabelsAndGroupBoxesFocusTheNextControlThatCanTakeIt) {
    Get<QLineEdit>(Ctl::Def)->setFocus();
    PressAlt(Qt::Key_E);
    EXPECT_EQ(FocusName(), QStringLiteral("m_editHp"));
    PressAlt(Qt::Key_L);
    EXPECT_EQ(FocusName(), QStringLiteral("m_listCombo"));
    PressAlt(Qt::Key_I); // Ab&ility
    EXPECT_EQ(FocusName(), QStringLiteral("m_editDamage"));

    Get<QRadioButton>(Ctl::Wall)->setChecked(true);
    PressAlt(Qt::Key_T);
    EXPECT_EQ(FocusName(), QStringLiteral("m_rdoWall"));
    Get<QRadioButton>(Ctl::On)->setChecked(true);
    PressAlt(Qt::Key_U);
    EXPECT_EQ(FocusName(), QStringLiteral("m_rdoOn"));

    PressAlt(Qt::Key_B);
    EXPECT_EQ(FocusName(), QStringLiteral("m_chkAirier"));
    EXPECT_FALSE(Get<QCheckBox>(Ctl::Airier)->isChecked()) << "a mnemonic only moves the focus";

    // Decided when the key is pressed: a disabled Hp is skipped.
    Get<QLineEdit>(Ctl::Hp)->setEnabled(false);
    PressAlt(Qt::Key_E);
    EXPECT_EQ(FocusName(), QStringLiteral("m_editDef"));
}

TEST_F(MainDialogTest, ArrowKeysMoveTheFocusRoundTheGroupOfCheckBoxesAndPushButtons) {
    auto* add = Get<QPushButton>(Ctl::Add);
    auto* exit = Get<QPushButton>(Ctl::Exit);
    QSignalSpy addClicks(add, &QPushButton::clicked);
    QSignalSpy exitClicks(exit, &QPushButton::clicked);
    const auto press = [this](int id, Qt::Key key) {
        built.ById(id)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        return FocusName();
    };

    // The Bonus group: wraps round past the hidden Option, steps into the
    // link count beside its check box while that list is enabled.
    EXPECT_EQ(press(Ctl::RapidChain, Qt::Key_Down), QStringLiteral("m_chkAirier"));
    EXPECT_EQ(press(Ctl::Airier, Qt::Key_Up), QStringLiteral("m_chkRapidChain"));
    EXPECT_EQ(press(Ctl::Airier, Qt::Key_Right), QStringLiteral("m_chkCore"));
    EXPECT_EQ(press(Ctl::LinkTrap, Qt::Key_Down), QStringLiteral("m_cmbLinkCount"));
    Get<QComboBox>(Ctl::LinkCount)->setEnabled(false);
    EXPECT_EQ(press(Ctl::LinkTrap, Qt::Key_Down), QStringLiteral("m_chkLongRange"));
    EXPECT_EQ(press(Ctl::LongRange, Qt::Key_Left), QStringLiteral("m_chkLinkTrap"));
    EXPECT_FALSE(Get<QCheckBox>(Ctl::Airier)->isChecked()) << "an arrow only moves the focus";

    // UnDifence shares its group with the Kov Rate text and list; the text
    // never holds the focus.
    EXPECT_EQ(press(Ctl::UnDefence, Qt::Key_Up), QStringLiteral("m_cmbKovRate"));
    EXPECT_EQ(press(Ctl::UnDefence, Qt::Key_Down), QStringLiteral("m_cmbKovRate"));

    // The two arrow buttons, and the row of command buttons.
    EXPECT_EQ(press(Ctl::Down, Qt::Key_Right), QStringLiteral("m_btnUp"));
    EXPECT_EQ(press(Ctl::Up, Qt::Key_Left), QStringLiteral("m_btnDown"));
    EXPECT_EQ(press(Ctl::Exit, Qt::Key_Down), QStringLiteral("m_btnAdd"));
    EXPECT_EQ(press(Ctl::Add, Qt::Key_Up), QStringLiteral("exitButton"));
    Get<QPushButton>(Ctl::Modify)->setEnabled(false);
    Get<QPushButton>(Ctl::Remove)->setEnabled(false);
    EXPECT_EQ(press(Ctl::Add, Qt::Key_Right), QStringLiteral("m_btnClear"));
    add->setEnabled(false);
    EXPECT_EQ(press(Ctl::Exit, Qt::Key_Down), QStringLiteral("m_btnClear"));
    EXPECT_EQ(addClicks.count() + exitClicks.count(), 0) << "an arrow presses nothing";
}

TEST_F(MainDialogTest, APushButtonMnemonicFocusesAndPressesTheButtonWithinTheKey) {
    auto* output = Get<QPushButton>(Ctl::Output);
    int pressed = 0;
    QString focusWhilePressed;
    QObject::connect(output, &QPushButton::clicked, output, [&] {
        ++pressed;
        focusWhilePressed = FocusName();
    });
    Get<QLineEdit>(Ctl::Damage)->setFocus();
    PressAlt(Qt::Key_O);
    EXPECT_EQ(pressed, 1) << "pressed before the key returns";
    EXPECT_EQ(focusWhilePressed, QStringLiteral("m_btnOutput"));
    EXPECT_EQ(FocusName(), QStringLiteral("m_btnOutput"));

    // A disabled button's mnemonic does nothing.
    output->setEnabled(false);
    Get<QLineEdit>(Ctl::Damage)->setFocus();
    PressAlt(Qt::Key_O);
    QTest::qWait(150);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(FocusName(), QStringLiteral("m_editDamage"));
}

} // namespace
