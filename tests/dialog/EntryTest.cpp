// SPDX-License-Identifier: MIT
// The reset state of the window, the form check, the digit filter and how a
// selected row comes back into the form.
#include "support/DialogDriver.h"

#include <QClipboard>
#include <QRadioButton>

namespace {

class EntryTest : public DialogTest {
protected:
    // What start-up, Clear and Remove of the first line leave behind.
    void ExpectResetState() {
        EXPECT_EQ(List()->count(), 0);
        EXPECT_TRUE(Selected().empty());
        EXPECT_TRUE(Button("m_rdoCeil")->isChecked());
        EXPECT_TRUE(Button("m_rdoOn")->isChecked());
        for (const char* name : {"m_rdoWall", "m_rdoFloor", "m_rdoExtra", "m_rdoOff"})
            EXPECT_FALSE(Button(name)->isChecked()) << name;
        for (const char* name :
             {"m_chkUnDefence", "m_chkAirier", "m_chkCore", "m_chkCounter", "m_chkDouble",
              "m_chkLinkTrap", "m_chkLongRange", "m_chkRapidChain", "m_chkOption"})
            EXPECT_FALSE(Button(name)->isChecked()) << name;
        EXPECT_EQ(Combo("m_cmbKovRate")->currentText(), "1.0");
        EXPECT_EQ(Combo("m_cmbHitRate")->currentText(), "0.990");
        EXPECT_TRUE(Combo("m_cmbHitRate")->isEnabled());
        EXPECT_EQ(Combo("m_cmbHitCount")->currentText(), "1");
        EXPECT_EQ(Combo("m_cmbLinkCount")->currentIndex(), -1);
        EXPECT_EQ(Combo("m_cmbLinkCount")->currentText(), "");
        EXPECT_FALSE(Combo("m_cmbLinkCount")->isEnabled());
        for (const char* name : {"m_editHp", "m_editDef", "m_editDamage"})
            EXPECT_EQ(Edit(name)->text(), "") << name;
        EXPECT_EQ(Buttons(), "+-------");
        EXPECT_EQ(Button("m_btnTheory")->text(), "Theory");
        EXPECT_EQ(FocusName(), "m_editHp");
        QWidget* option = Get("m_chkOption");
        EXPECT_TRUE(option->isHidden());
        EXPECT_FALSE(option->isEnabled());
        EXPECT_EQ(S().m_nLast, -1);
        EXPECT_EQ(S().m_nSel, -1);
        EXPECT_EQ(S().m_bReal, 0);
        EXPECT_EQ(S().m_nHp, 0);
        EXPECT_EQ(S().m_entry, DefaultEntry());
    }

    // A combo in Real mode with a selected line and Core and Link Trap ticked.
    void DirtyTheWindow() {
        StartCombo(300, 20, 3);
        Click("m_btnTheory");
        ASSERT_EQ(Button("m_btnTheory")->text(), "Real");
        SelectLine(0);
        Click("m_chkCore");
        Click("m_chkLinkTrap");
        Choose("m_cmbLinkCount", "4");
        ASSERT_FALSE(Combo("m_cmbHitRate")->isEnabled());
        ASSERT_TRUE(Button("m_btnModify")->isEnabled());
    }
};

TEST_F(EntryTest, StartUpClearAndRemoveOfFirstLineResetTheWindow) {
    {
        SCOPED_TRACE("start-up");
        ExpectResetState();
    }
    DirtyTheWindow();
    Click("m_btnClear");
    {
        SCOPED_TRACE("Clear in Real mode");
        ExpectResetState();
    }
    DirtyTheWindow();
    Click("m_btnRemove");
    {
        SCOPED_TRACE("Remove of line 0");
        ExpectResetState();
    }
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(EntryTest, ValidationReportsOnlyTheFirstFaultInOrder) {
    // Every field missing at once, Link Trap ticked without a count: Hp only.
    Choose("m_cmbKovRate", "1.5");
    Click("m_chkLinkTrap");
    EXPECT_TRUE(Combo("m_cmbLinkCount")->isEnabled());
    EXPECT_EQ(Combo("m_cmbLinkCount")->currentIndex(), -1) << "nothing is chosen for the user";
    Combo("m_cmbHitRate")->setCurrentIndex(-1);
    Combo("m_cmbHitCount")->setCurrentIndex(-1);
    Click("m_btnAdd");
    EXPECT_EQ(m_beeps, 1);
    EXPECT_EQ(FocusName(), "m_editHp");

    const auto refusedWith = [this](const char* focus) {
        const int before = m_beeps;
        Click("m_btnAdd");
        EXPECT_EQ(m_beeps, before + 1) << focus;
        EXPECT_EQ(FocusName(), focus);
        EXPECT_EQ(S().m_nLast, -1);
        EXPECT_EQ(List()->count(), 0);
    };
    Type("m_editHp", "0");
    refusedWith("m_editDef");
    Type("m_editDef", "0");
    refusedWith("m_editDamage");
    Type("m_editDamage", "0");
    Combo("m_cmbKovRate")->setCurrentIndex(-1);
    refusedWith("m_cmbKovRate");
    Choose("m_cmbKovRate", "1.5");
    refusedWith("m_cmbHitRate");
    // Core fixes the hit rate: the empty Hit Rate box no longer counts.
    Click("m_chkCore");
    EXPECT_FALSE(Combo("m_cmbHitRate")->isEnabled());
    refusedWith("m_cmbHitCount");
    Choose("m_cmbHitCount", "1");
    refusedWith("m_cmbLinkCount");

    // Unticking Link Trap empties and disables its box; ticking it again
    // leaves it empty.
    Choose("m_cmbLinkCount", "3");
    Click("m_chkLinkTrap");
    EXPECT_EQ(Combo("m_cmbLinkCount")->currentIndex(), -1);
    EXPECT_FALSE(Combo("m_cmbLinkCount")->isEnabled());
    Click("m_chkLinkTrap");
    EXPECT_TRUE(Combo("m_cmbLinkCount")->isEnabled());
    refusedWith("m_cmbLinkCount");
    Choose("m_cmbLinkCount", "3");

    // Zeros pass.
    const int before = m_beeps;
    Click("m_btnAdd");
    EXPECT_EQ(m_beeps, before);
    ASSERT_EQ(S().m_nLast, 0);
    const ComboEntry& row = S().m_table[0];
    EXPECT_EQ(row.m_dHitRate, 1.0);
    EXPECT_EQ(row.m_dKovRate, 1.5);
    EXPECT_EQ(row.m_nLinkCount, 3);
    EXPECT_EQ(row.m_bCore, 1);
}

TEST_F(EntryTest, NumberEditsKeepOnlyDigits) {
    QLineEdit* damage = Edit("m_editDamage");
    QTest::keyClicks(damage, "12x");
    EXPECT_EQ(damage->text(), "12");
    EXPECT_EQ(m_beeps, 1);
    EXPECT_EQ(damage->cursorPosition(), 2);
    EXPECT_EQ(S().m_entry.m_nDamage, 12);

    // A letter between the digits: the filter drops from the end until only
    // digits are left.
    QTest::keyClick(damage, Qt::Key_Left);
    QTest::keyClick(damage, 'y');
    EXPECT_EQ(damage->text(), "1");
    EXPECT_EQ(m_beeps, 3);
    EXPECT_EQ(S().m_entry.m_nDamage, 1);

    // A non-digit first empties the edit; the entry keeps its last damage.
    Type("m_editDamage", "z");
    EXPECT_EQ(damage->text(), "");
    EXPECT_EQ(m_beeps, 4);
    EXPECT_EQ(S().m_entry.m_nDamage, 1);

    // No fourth character.
    QTest::keyClicks(damage, "1234");
    EXPECT_EQ(damage->text(), "123");
    EXPECT_EQ(m_beeps, 4);
    EXPECT_EQ(S().m_entry.m_nDamage, 123);

    // Pasted text goes through the same filter.
    QApplication::clipboard()->setText("4x5");
    damage->selectAll();
    QTest::keyClick(damage, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(damage->text(), "4");
    EXPECT_EQ(m_beeps, 6);
    EXPECT_EQ(S().m_entry.m_nDamage, 4);

    // So does text the program writes; Hp and Def store nothing while typed.
    Edit("m_editDef")->setText("7q");
    EXPECT_EQ(Edit("m_editDef")->text(), "7");
    QTest::keyClicks(Edit("m_editHp"), "9b");
    EXPECT_EQ(Edit("m_editHp")->text(), "9");
    EXPECT_EQ(m_beeps, 8);
    EXPECT_EQ(S().m_nHp, 0);
    EXPECT_EQ(S().m_nDef, 0);
}

// Only ASCII digits count: a full-width digit is cut like a letter, and a
// character beyond the basic plane goes whole, both halves of its surrogate
// pair with a single beep, whether typed or pasted.
TEST_F(EntryTest, FullWidthDigitsAndCharactersBeyondTheBasicPlaneAreCutWhole) {
    QLineEdit* damage = Edit("m_editDamage");
    for (const QString& tail : {QString::fromUtf16(u"\uFF12"), QString::fromUtf16(u"\U0001F600")}) {
        Type("m_editDamage", "1");
        m_beeps = 0;
        QTest::sendKeyEvent(QTest::Click, damage, Qt::Key_unknown, tail, Qt::NoModifier);
        EXPECT_EQ(damage->text(), "1");
        EXPECT_EQ(m_beeps, 1);
        EXPECT_EQ(S().m_entry.m_nDamage, 1);

        QApplication::clipboard()->setText("7" + tail);
        damage->selectAll();
        QTest::keyClick(damage, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(damage->text(), "7");
        EXPECT_EQ(m_beeps, 2);
        EXPECT_EQ(S().m_entry.m_nDamage, 7);
    }
}

TEST_F(EntryTest, SelectingARowShowsItInTheForm) {
    Type("m_editHp", "500");
    Type("m_editDef", "5");
    // Row 0: Core and UnDifence, Kov 2.5, a hit rate that Core overrides.
    Choose("m_cmbKovRate", "2.5");
    Choose("m_cmbHitRate", "0.900");
    Click("m_chkCore");
    Click("m_chkUnDefence");
    AddHit(40);
    // Row 1: EXTRA, Off, Link Trap with 5.
    Click("m_rdoExtra");
    Click("m_rdoOff");
    Click("m_chkLinkTrap");
    Choose("m_cmbLinkCount", "5");
    AddHit(50);
    // Rows 2 to 4: one group of three.
    Choose("m_cmbHitRate", "0.870");
    AddHit(30, 3);
    ASSERT_EQ(S().m_nLast, 4);
    EXPECT_EQ(m_beeps, 0);

    SelectLine(0);
    EXPECT_EQ(Edit("m_editDamage")->text(), "40");
    EXPECT_EQ(Combo("m_cmbKovRate")->currentText(), "2.5");
    EXPECT_EQ(Combo("m_cmbHitRate")->currentText(), "0.990");
    EXPECT_FALSE(Combo("m_cmbHitRate")->isEnabled());
    EXPECT_TRUE(Button("m_chkCore")->isChecked());
    EXPECT_TRUE(Button("m_chkUnDefence")->isChecked());
    EXPECT_FALSE(Combo("m_cmbLinkCount")->isEnabled());
    EXPECT_EQ(S().m_entry, S().m_table[0]);

    SelectLine(1);
    EXPECT_EQ(S().m_nSel, 1);
    EXPECT_TRUE(Button("m_rdoExtra")->isChecked());
    EXPECT_FALSE(Button("m_rdoCeil")->isChecked());
    EXPECT_TRUE(Button("m_rdoOff")->isChecked());
    EXPECT_FALSE(Button("m_rdoOn")->isChecked());
    EXPECT_TRUE(Button("m_chkLinkTrap")->isChecked());
    EXPECT_FALSE(Button("m_chkCore")->isChecked());
    EXPECT_FALSE(Button("m_chkUnDefence")->isChecked());
    EXPECT_EQ(Combo("m_cmbLinkCount")->currentText(), "5");
    EXPECT_TRUE(Combo("m_cmbLinkCount")->isEnabled());
    EXPECT_TRUE(Combo("m_cmbHitRate")->isEnabled());
    EXPECT_EQ(S().m_entry, S().m_table[1]);

    SelectLine(3);
    EXPECT_EQ(Combo("m_cmbHitCount")->currentText(), "2");
    EXPECT_EQ(Combo("m_cmbHitRate")->currentText(), "0.870");
    EXPECT_TRUE(Button("m_rdoOn")->isChecked());
    EXPECT_EQ(S().m_entry.m_nHitsLeft, 2);
    EXPECT_EQ(S().m_entry, S().m_table[3]);

    // Choosing the same line again throws away what was edited since.
    Type("m_editDamage", "99");
    Click("m_chkAirier");
    SelectLine(3);
    EXPECT_EQ(Edit("m_editDamage")->text(), "30");
    EXPECT_FALSE(Button("m_chkAirier")->isChecked());
    EXPECT_EQ(S().m_entry, S().m_table[3]);
    EXPECT_EQ(m_beeps, 0);
}

} // namespace
