#include "MainDialogFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

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

} // namespace
