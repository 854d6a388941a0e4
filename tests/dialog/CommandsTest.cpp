// SPDX-License-Identifier: MIT
// The editing commands: what they do to the combo, which buttons they leave
// enabled, where the focus goes, and the moves they refuse.
#include "support/DialogDriver.h"

namespace {

using Rows = std::vector<int>;

using CommandsTest = DialogTest;

TEST_F(CommandsTest, AddModifyRemoveFollowTheButtonAndFocusTable) {
    Type("m_editHp", "900");
    Type("m_editDef", "1");
    AddHit(10);
    EXPECT_EQ(List()->count(), 1);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Buttons(), "+--++--+");
    EXPECT_EQ(FocusName(), "m_rdoCeil");
    // The form is back at a fresh entry.
    EXPECT_EQ(Edit("m_editDamage")->text(), "0");
    EXPECT_EQ(Combo("m_cmbKovRate")->currentText(), "1.0");
    EXPECT_EQ(Combo("m_cmbHitRate")->currentText(), "0.990");
    EXPECT_EQ(Combo("m_cmbHitCount")->currentText(), "1");
    EXPECT_FALSE(Combo("m_cmbLinkCount")->isEnabled());
    EXPECT_EQ(S().m_entry, DefaultEntry());

    for (int damage = 11; damage <= 19; ++damage)
        AddHit(damage);
    ASSERT_EQ(S().m_nLast, 9);

    // Selection enables the row commands and leaves the focus where the click put it.
    SelectLine(2);
    EXPECT_EQ(S().m_nSel, 2);
    EXPECT_EQ(Buttons(), "++++++++");
    EXPECT_EQ(FocusName(), "m_listCombo");

    // Modify with one hit rewrites row 2 only.
    Type("m_editDamage", "55");
    Click("m_btnModify");
    EXPECT_EQ(S().m_nLast, 9);
    EXPECT_EQ(Damages(), (Rows{10, 11, 55, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(Buttons(), "+--++--+");
    EXPECT_EQ(FocusName(), "m_rdoCeil");
    EXPECT_TRUE(Selected().empty());

    // Modify with three hits: rows 2 to 4, and the combo ends there.
    SelectLine(2);
    Type("m_editDamage", "66");
    Choose("m_cmbHitCount", "3");
    Click("m_btnModify");
    EXPECT_EQ(S().m_nLast, 4);
    EXPECT_EQ(List()->count(), 5);
    EXPECT_EQ(Damages(), (Rows{10, 11, 66, 66, 66}));
    EXPECT_EQ(S().m_table[2].m_nHitsLeft, 3);
    EXPECT_EQ(S().m_table[4].m_nHitsLeft, 1);
    EXPECT_EQ(Buttons(), "+--++--+");

    // Rows 5 to 12, then a group of three at rows 13 and 14: the third is dropped.
    for (int damage = 20; damage < 28; ++damage)
        AddHit(damage);
    ASSERT_EQ(S().m_nLast, 12);
    AddHit(77, 3);
    EXPECT_EQ(S().m_nLast, 14);
    EXPECT_EQ(List()->count(), 15);
    EXPECT_EQ(S().m_table[13].m_nHitsLeft, 3);
    EXPECT_EQ(S().m_table[14].m_nHitsLeft, 2);
    EXPECT_EQ(S().m_table[14].m_nDamage, 77);
    EXPECT_EQ(Buttons(), "---++--+");
    EXPECT_EQ(FocusName(), "m_rdoCeil");

    // Remove at row 4 keeps rows 0 to 3 and gives Add back.
    SelectLine(4);
    Click("m_btnRemove");
    EXPECT_EQ(S().m_nLast, 3);
    EXPECT_EQ(Damages(), (Rows{10, 11, 66, 66}));
    EXPECT_EQ(List()->count(), 4);
    EXPECT_EQ(S().m_results[4], HitResult{});
    EXPECT_EQ(S().m_entry, DefaultEntry());
    EXPECT_EQ(Buttons(), "+--++--+");
    EXPECT_EQ(FocusName(), "m_rdoCeil");
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(CommandsTest, ArrowsMoveTheSelectedRowAndKeepItSelected) {
    StartCombo(900, 1, 10);
    SelectLine(3);
    Click("m_btnDown");
    EXPECT_EQ(Damages(), (Rows{10, 11, 12, 14, 13, 15, 16, 17, 18, 19}));
    EXPECT_EQ(Selected(), Rows{4});
    EXPECT_EQ(S().m_nSel, 4);
    EXPECT_EQ(S().m_entry, S().m_table[4]);
    EXPECT_EQ(Edit("m_editDamage")->text(), "13");
    EXPECT_EQ(Buttons(), "++++++++");
    EXPECT_EQ(FocusName(), "m_btnDown");
    EXPECT_EQ(List()->item(4)->text().left(3), "05 ");

    // The focus stayed on the arrow: pressing it again moves the same hit on.
    Press(Qt::Key_Space);
    EXPECT_EQ(Damages(), (Rows{10, 11, 12, 14, 15, 13, 16, 17, 18, 19}));
    EXPECT_EQ(Selected(), Rows{5});
    EXPECT_EQ(S().m_nSel, 5);

    Click("m_btnUp");
    EXPECT_EQ(Damages(), (Rows{10, 11, 12, 14, 13, 15, 16, 17, 18, 19}));
    EXPECT_EQ(Selected(), Rows{4});
    EXPECT_EQ(S().m_nSel, 4);
    EXPECT_EQ(FocusName(), "m_btnUp");
    EXPECT_EQ(Buttons(), "++++++++");

    // Down from row 13 into the last row of the table: nothing stays selected.
    for (int damage = 20; damage < 25; ++damage)
        AddHit(damage);
    ASSERT_EQ(S().m_nLast, 14);
    SelectLine(13);
    Click("m_btnDown");
    EXPECT_EQ(S().m_table[13].m_nDamage, 24);
    EXPECT_EQ(S().m_table[14].m_nDamage, 23);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(S().m_nSel, 13);
    EXPECT_EQ(Buttons(), "---+++++");
    EXPECT_EQ(FocusName(), "m_rdoCeil");
    EXPECT_EQ(m_beeps, 0);

    // The arrows stay enabled, but with nothing selected they only beep.
    const std::vector<std::string> lines = Lines();
    Click("m_btnDown");
    Click("m_btnUp");
    EXPECT_EQ(m_beeps, 2);
    EXPECT_EQ(Lines(), lines);
}

TEST_F(CommandsTest, RefusedMovesAndRemovesOnlyBeep) {
    StartCombo(900, 1, 5);
    const std::vector<std::string> lines = Lines();
    const auto expectUnchanged = [&](int beeps) {
        EXPECT_EQ(m_beeps, beeps);
        EXPECT_EQ(S().m_nLast, 4);
        EXPECT_EQ(Damages(), (Rows{10, 11, 12, 13, 14}));
        EXPECT_EQ(Lines(), lines);
    };

    SelectLine(4);
    Click("m_btnDown");
    expectUnchanged(1);
    EXPECT_EQ(Selected(), Rows{4});

    SelectLine(0);
    Click("m_btnUp");
    expectUnchanged(2);

    // A recalculation leaves no line selected and disables Remove; should
    // Remove still run, it has no row to act on.
    Click("m_btnTheory");
    ASSERT_TRUE(Selected().empty());
    m_dlg->OnRemove();
    expectUnchanged(3);

    // Remove at row 2 of six rows, one new hit, then down on the new last
    // row: a row left over past the end of the combo must not come back.
    Click("m_btnClear");
    StartCombo(900, 1, 6);
    SelectLine(2);
    Click("m_btnRemove");
    ASSERT_EQ(S().m_nLast, 1);
    AddHit(99);
    ASSERT_EQ(S().m_nLast, 2);
    const std::vector<std::string> shortLines = Lines();
    SelectLine(2);
    const int before = m_beeps;
    Click("m_btnDown");
    EXPECT_EQ(m_beeps, before + 1);
    EXPECT_EQ(S().m_nLast, 2);
    EXPECT_EQ(Damages(), (Rows{10, 11, 99}));
    EXPECT_EQ(Lines(), shortLines);
    EXPECT_EQ(Selected(), Rows{2});
}

TEST_F(CommandsTest, TheoryRealSwitchesModeAndRereadsEnemyData) {
    Type("m_editHp", "300");
    Type("m_editDef", "20");
    AddHit(100);
    AddHit(10);
    ASSERT_EQ(S().m_results[0].m_nDamage, 79);

    Click("m_btnTheory");
    EXPECT_EQ(Button("m_btnTheory")->text(), "Real");
    EXPECT_EQ(S().m_bReal, 1);
    EXPECT_EQ(FocusName(), "m_btnTheory");
    EXPECT_EQ(Buttons(), "+--++--+");

    // The second press reads the edits again and recomputes with them.
    Type("m_editHp", "50");
    Type("m_editDef", "0");
    Click("m_btnTheory");
    EXPECT_EQ(Button("m_btnTheory")->text(), "Theory");
    EXPECT_EQ(S().m_bReal, 0);
    EXPECT_EQ(S().m_nHp, 50);
    EXPECT_EQ(S().m_nDef, 0);
    EXPECT_EQ(S().m_results[0].m_nDamage, 99);
    EXPECT_EQ(S().m_results[0].m_bKilled, 1);

    // A new HP in the edit does not reach the arrows' recalculation.
    Type("m_editHp", "999");
    SelectLine(0);
    Click("m_btnDown");
    EXPECT_EQ(S().m_nHp, 50);
    EXPECT_EQ(S().m_results[0].m_nDamage, 9);
    EXPECT_EQ(S().m_results[1].m_bKilled, 1);
    Click("m_btnUp");
    EXPECT_EQ(S().m_nHp, 50);
    EXPECT_EQ(S().m_results[0].m_bKilled, 1);
    EXPECT_EQ(m_beeps, 0);

    // An incomplete form refuses the switch.
    Type("m_editDef", "");
    Click("m_btnTheory");
    EXPECT_EQ(m_beeps, 1);
    EXPECT_EQ(FocusName(), "m_editDef");
    EXPECT_EQ(Button("m_btnTheory")->text(), "Theory");
    EXPECT_EQ(S().m_bReal, 0);
}

TEST_F(CommandsTest, EnterAddsAndEscapeOrExitEndTheDialog) {
    ASSERT_EQ(FocusName(), "m_editHp");
    QTest::keyClicks(Edit("m_editHp"), "120");
    Press(Qt::Key_Return);
    EXPECT_EQ(m_beeps, 1) << "Enter runs the form check";
    EXPECT_EQ(FocusName(), "m_editDef");
    QTest::keyClicks(Edit("m_editDef"), "3");
    Type("m_editDamage", "45");
    Edit("m_editDamage")->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_EQ(S().m_nLast, 0);
    EXPECT_EQ(S().m_table[0].m_nDamage, 45);
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_EQ(m_beeps, 1);

    m_dlg->setResult(42);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible()) << "Escape ends the dialog";
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected) << "Escape ends the dialog";

    m_dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    m_dlg->setResult(42);
    Click("exitButton");
    EXPECT_FALSE(m_dlg->isVisible()) << "Exit ends the dialog";
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected) << "Exit ends the dialog";
}

} // namespace
