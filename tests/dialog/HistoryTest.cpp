// SPDX-License-Identifier: MIT
// Undo and redo of every kind of change, the keys inside a number edit, and
// the line operations of the list.
#include "support/DialogDriver.h"
#include "support/WindowMenu.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>

namespace {

using Rows = std::vector<int>;

class HistoryTest : public DialogTest {
protected:
    void Undo() { Press(Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

    QString UndoText() { return WindowMenu(*m_dlg).At(0)->text(); }

    // The Undo or Redo entry of a freshly filled window menu.
    QAction* MenuEntry(CComboCalcDlg& dlg, const char* text) {
        m_menu = std::make_unique<WindowMenu>(dlg);
        return m_menu->At(QByteArray(text) == "Undo" ? 0 : 1);
    }
    std::unique_ptr<WindowMenu> m_menu;

    // What every restore leaves: no selection, the buttons and focus as
    // after an Add, the enemy data in the edits.
    void ExpectShownAfterRestore(const char* hp, const char* def) {
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ(S().m_nSel, -1);
        EXPECT_EQ(Buttons(), S().m_nLast == kLastRow ? "---++--+" : "+--++--+");
        EXPECT_EQ(FocusName(), "m_rdoCeil");
        EXPECT_EQ(Edit("m_editHp")->text(), hp);
        EXPECT_EQ(Edit("m_editDef")->text(), def);
        EXPECT_EQ(Edit("m_editDamage")->text(), "0");
        EXPECT_EQ(static_cast<int>(Lines().size()), S().m_nLast + 1);
    }
};

TEST_F(HistoryTest, EachChangeIsOneStepThatUndoAndRedoShowWhole) {
    EXPECT_FALSE(MenuEntry(*m_dlg, "Undo")->isEnabled());
    EXPECT_FALSE(MenuEntry(*m_dlg, "Redo")->isEnabled());
    StartCombo(400, 20, 4);
    const std::vector<std::string> four = Lines();

    // Move Down, Move Up, Modify, Remove, Theory/Real: each undone alone.
    SelectLine(0);
    Click("m_btnDown");
    EXPECT_EQ(Damages(), (Rows{11, 10, 12, 13}));
    SelectLine(3);
    Click("m_btnUp");
    SelectLine(1);
    Type("m_editDamage", "99");
    Click("m_btnModify");
    EXPECT_EQ(Damages(), (Rows{11, 99, 13, 12}));
    Click("m_btnTheory");
    EXPECT_EQ(S().m_bReal, 1);
    SelectLine(2);
    Click("m_btnRemove");
    EXPECT_EQ(Damages(), (Rows{11, 99}));

    EXPECT_EQ(UndoText(), "&Undo Remove\tCtrl+Z");
    Undo();
    EXPECT_EQ(Damages(), (Rows{11, 99, 13, 12}));
    ExpectShownAfterRestore("400", "20");
    EXPECT_EQ(Button("m_btnTheory")->text(), "Real");
    EXPECT_EQ(UndoText(), "&Undo Theory/Real\tCtrl+Z");
    Undo();
    EXPECT_EQ(S().m_bReal, 0);
    EXPECT_EQ(Button("m_btnTheory")->text(), "Theory");
    EXPECT_EQ(UndoText(), "&Undo Modify\tCtrl+Z");
    Undo();
    EXPECT_EQ(Damages(), (Rows{11, 10, 13, 12}));
    EXPECT_EQ(UndoText(), "&Undo Move Up\tCtrl+Z");
    Undo();
    EXPECT_EQ(UndoText(), "&Undo Move Down\tCtrl+Z");
    Undo();
    EXPECT_EQ(Lines(), four);
    ExpectShownAfterRestore("400", "20");

    // Redo walks forward again: the menu, Ctrl+Y, Ctrl+Shift+Z.
    EXPECT_EQ(MenuEntry(*m_dlg, "Redo")->text(), "&Redo Move Down\tCtrl+Shift+Z");
    MenuEntry(*m_dlg, "Redo")->trigger();
    EXPECT_EQ(Damages(), (Rows{11, 10, 12, 13}));
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Damages(), (Rows{11, 10, 13, 12}));
    Redo();
    EXPECT_EQ(Damages(), (Rows{11, 99, 13, 12}));
    EXPECT_EQ(UndoText(), "&Undo Modify\tCtrl+Z");

    // A new change after an undo drops the redo steps.
    AddHit(50);
    EXPECT_EQ(Damages(), (Rows{11, 99, 13, 12, 50}));
    EXPECT_FALSE(MenuEntry(*m_dlg, "Redo")->isEnabled());
}

TEST_F(HistoryTest, ClearIsUndoneFromTheEmptiedHpEditWhileTypingIsUndoneFirst) {
    StartCombo(300, 5, 3);
    Click("m_btnClear");
    ASSERT_EQ(FocusName(), "m_editHp");
    EXPECT_EQ(UndoText(), "&Undo Clear\tCtrl+Z");
    EXPECT_FALSE(Edit("m_editHp")->isUndoAvailable()) << "the reset leaves no typing to undo";
    Undo();
    EXPECT_EQ(Damages(), (Rows{10, 11, 12}));
    ExpectShownAfterRestore("300", "5");

    // Typing in an edit is undone by the edit itself first.
    Type("m_editDamage", "77");
    Edit("m_editDamage")->setFocus();
    Undo();
    EXPECT_NE(Edit("m_editDamage")->text(), "77");
    EXPECT_EQ(Damages(), (Rows{10, 11, 12}));
    for (int i = 0; i < 5 && Edit("m_editDamage")->isUndoAvailable(); ++i)
        Undo();
    EXPECT_EQ(Damages(), (Rows{10, 11, 12}));
    EXPECT_EQ(Edit("m_editDamage")->text(), "0");
    Undo(); // the edit has nothing left: the combo's last change goes
    EXPECT_EQ(Damages(), (Rows{10, 11}));
    EXPECT_EQ(m_beeps, 0);
}

TEST_F(HistoryTest, UndoingTheFirstAddShowsTheEmptyWindowAndRefusalsRecordNothing) {
    Type("m_editHp", "200");
    Type("m_editDef", "3");
    Type("m_editDamage", "");
    Click("m_btnAdd"); // refused: no damage
    EXPECT_EQ(m_beeps, 1);
    EXPECT_FALSE(MenuEntry(*m_dlg, "Undo")->isEnabled());
    AddHit(40);
    Undo();
    EXPECT_EQ(S().m_nLast, -1);
    EXPECT_EQ(Buttons(), "+-------");
    EXPECT_EQ(FocusName(), "m_editHp");
    EXPECT_EQ(Edit("m_editHp")->text(), "");
    EXPECT_EQ(Lines().size(), 0u);
    Redo();
    EXPECT_EQ(Damages(), (Rows{40}));
    ExpectShownAfterRestore("200", "3");
}

TEST_F(HistoryTest, KeepsAHundredSteps) {
    StartCombo(100, 0, 1);
    for (int i = 0; i < 120; ++i)
        m_dlg->OnTheory();
    for (int i = 0; i < 100; ++i)
        m_dlg->OnUndo();
    EXPECT_EQ(m_beeps, 0);
    EXPECT_EQ(S().m_bReal, 0) << "120 switches less 100 is an even number";
    EXPECT_FALSE(MenuEntry(*m_dlg, "Undo")->isEnabled());
    m_dlg->OnUndo();
    EXPECT_EQ(m_beeps, 1);
}

TEST_F(HistoryTest, LineOperationsNeedTheListAndASelectedLine) {
    StartCombo(500, 0, 4);
    Press(Qt::Key_Delete); // the focus is not in the list
    List()->setFocus();
    Press(Qt::Key_Delete); // no line selected
    EXPECT_EQ(m_beeps, 1);
    SelectLine(1);
    Press(Qt::Key_Delete);
    EXPECT_EQ(Damages(), (Rows{10, 12, 13}));
    ExpectShownAfterRestore("500", "0");
    EXPECT_EQ(UndoText(), "&Undo Delete Line\tCtrl+Z");

    // A full combo refuses a copy.
    for (int i = 0; i < 12; ++i)
        AddHit(20 + i);
    ASSERT_EQ(S().m_nLast, kLastRow);
    SelectLine(3);
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(m_beeps, 2);
    EXPECT_EQ(S().m_nLast, kLastRow);
}

TEST_F(HistoryTest, ListMenuOffersTheLineOperationsAndCtrlCCopiesALine) {
    StartCombo(500, 0, 3);
    SelectLine(2);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Lines()[2]);

    // Choose "Duplicate Line" from the list's own menu.
    m_guard.reset();
    QStringList entries;
    QTimer::singleShot(50, List(), [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            entries << action->text();
        menu->actions().at(1)->trigger();
        menu->close();
    });
    const QPoint inside = List()->visualItemRect(List()->item(2)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside,
                            List()->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(List()->viewport(), &event);
    EXPECT_EQ(entries, (QStringList{"&Delete Line\tDel", "D&uplicate Line\tCtrl+D"}));
    EXPECT_EQ(Damages(), (Rows{10, 11, 12, 12}));
}

} // namespace
