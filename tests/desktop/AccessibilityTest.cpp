// SPDX-License-Identifier: MIT
// The main window as assistive technology and the keyboard see it: what a
// screen reader announces for each control, and every command reached without
// a mouse.
#include "support/DialogDriver.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPushButton>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

class DesktopTest : public DialogTest {
protected:
    QAccessibleInterface* Accessible(const char* name) const {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Get(name));
        EXPECT_NE(iface, nullptr) << name;
        return iface;
    }
    static QString Name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }

    // A push button's mnemonic presses it within the key; the wait only
    // guards against a press that comes late.
    void PressAltAndWait(Qt::Key key, const std::function<bool()>& done) {
        Press(key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor(done, 2000)) << "Alt+ key " << int(key);
    }

    std::vector<std::string> TabCycleFrom(const char* start) {
        QWidget* first = Get(start);
        first->setFocus(Qt::TabFocusReason);
        std::vector<std::string> cycle{FocusName()};
        for (int i = 0; i < 60; ++i) {
            Press(Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                return cycle;
            cycle.push_back(FocusName());
        }
        ADD_FAILURE() << "Tab never came back to " << start;
        return cycle;
    }

    TempWorkDir m_dir;
};

// The member names carry the control kind; a reader must announce that kind.
QAccessible::Role RoleFor(const std::string& name) {
    if (name.rfind("m_btn", 0) == 0 || name == "exitButton")
        return QAccessible::PushButton;
    if (name.rfind("m_chk", 0) == 0)
        return QAccessible::CheckBox;
    if (name.rfind("m_rdo", 0) == 0)
        return QAccessible::RadioButton;
    if (name.rfind("m_edit", 0) == 0)
        return QAccessible::EditableText;
    if (name.rfind("m_cmb", 0) == 0)
        return QAccessible::ComboBox;
    return QAccessible::List;
}

TEST_F(DesktopTest, EveryControlIsAnnouncedAsTheKindOfControlItIs) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_dlg.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Dialog);
    EXPECT_EQ(Name(window), QStringLiteral("Kov Calculator Ver.0.92"));

    for (const char* name : kControlNames) {
        SCOPED_TRACE(name);
        QAccessibleInterface* iface = Accessible(name);
        ASSERT_TRUE(iface != nullptr && iface->isValid());
        EXPECT_EQ(iface->role(), RoleFor(name));
        EXPECT_EQ(iface->state().invisible, std::string(name) == "m_chkOption");
    }
}

TEST_F(DesktopTest, EveryControlIsAnnouncedByAName) {
    // Every drop-down list showing an item, as while a hit is entered.
    Click("m_chkLinkTrap");
    Choose("m_cmbLinkCount", "5");

    for (const char* name : kControlNames) {
        SCOPED_TRACE(name);
        QAccessibleInterface* iface = Accessible(name);
        ASSERT_NE(iface, nullptr);
        // On this platform Qt gives a drop-down list its current item as its
        // name and leaves the caption to the label that names it (the
        // "labelled by" relation); that label is what a reader says first.
        QString spoken = Name(iface);
        if (iface->role() == QAccessible::ComboBox) {
            const auto labels = iface->relations(QAccessible::Label);
            spoken = labels.isEmpty() ? QString() : Name(labels.first().first);
        }
        EXPECT_FALSE(spoken.isEmpty());
        EXPECT_FALSE(spoken.contains(u'&')) << "the mnemonic sign is not read out";
        // A name of arrows or digits alone ("↑", "1.0") tells nothing.
        EXPECT_TRUE(std::any_of(spoken.begin(), spoken.end(), [](QChar c) { return c.isLetter(); }))
            << spoken.toStdString();
    }
}

TEST_F(DesktopTest, StatesValuesAndListLinesReachTheReader) {
    EXPECT_TRUE(Accessible("m_btnModify")->state().disabled);
    EXPECT_FALSE(Accessible("m_btnAdd")->state().disabled);
    EXPECT_EQ(Accessible("m_cmbKovRate")->text(QAccessible::Value), QStringLiteral("1.0"));
    Click("m_chkAirier");
    EXPECT_TRUE(Accessible("m_chkAirier")->state().checked);
    EXPECT_FALSE(Accessible("m_chkCore")->state().checked);
    Type("m_editHp", "300");
    EXPECT_EQ(Accessible("m_editHp")->text(QAccessible::Value), QStringLiteral("300"));

    // Each line of the combo is an item the reader can step through.
    Type("m_editDef", "5");
    AddHit(120);
    AddHit(80);
    QAccessibleInterface* list = Accessible("m_listCombo");
    ASSERT_EQ(list->childCount(), 2);
    QAccessibleInterface* line = list->child(1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->role(), QAccessible::ListItem);
    EXPECT_EQ(Name(line), List()->item(1)->text());
    EXPECT_TRUE(Name(line).startsWith(QStringLiteral("02 |Ceil |")));
}

TEST_F(DesktopTest, EveryCommandIsReachedWithTheKeyboardAlone) {
    Type("m_editHp", "900");
    Type("m_editDef", "1");
    Type("m_editDamage", "10");
    PressAltAndWait(Qt::Key_A, [&] { return List()->count() == 1; });
    Type("m_editDamage", "20");
    PressAltAndWait(Qt::Key_A, [&] { return List()->count() == 2; });
    Type("m_editDamage", "30");
    PressAltAndWait(Qt::Key_A, [&] { return List()->count() == 3; });

    // Alt+L reaches the list; the arrow keys pick a line and enable every
    // command that works on it.
    Press(Qt::Key_L, Qt::AltModifier);
    ASSERT_EQ(FocusName(), "m_listCombo");
    Press(Qt::Key_Home);
    Press(Qt::Key_Down);
    ASSERT_EQ(Selected(), std::vector<int>{1});
    ASSERT_EQ(Buttons(), "++++++++");

    // With all of them enabled, Tab passes every push button in template
    // order: the arrows and Theory have no mnemonic, so Tab is their way in.
    std::vector<std::string> buttons;
    for (const std::string& name : TabCycleFrom("m_listCombo")) {
        if (name.rfind("m_btn", 0) == 0 || name == "exitButton")
            buttons.push_back(name);
    }
    EXPECT_EQ(buttons, (std::vector<std::string>{"m_btnUp", "m_btnDown", "m_btnAdd", "m_btnModify",
                                                 "m_btnRemove", "m_btnClear", "m_btnOutput",
                                                 "m_btnTheory", "exitButton"}));

    // Tabbing there does not lose the selected line; Space presses.
    while (FocusName() != "m_btnUp")
        Press(Qt::Key_Tab);
    ASSERT_EQ(Selected(), std::vector<int>{1});
    Press(Qt::Key_Space);
    EXPECT_EQ(Damages(), (std::vector<int>{20, 10, 30}));
    Press(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "m_btnDown");
    Press(Qt::Key_Space);
    EXPECT_EQ(Damages(), (std::vector<int>{10, 20, 30}));
    while (FocusName() != "m_btnTheory")
        Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    EXPECT_EQ(Button("m_btnTheory")->text(), QStringLiteral("Real"));

    // The mnemonics of the other commands.
    Press(Qt::Key_L, Qt::AltModifier);
    Press(Qt::Key_Down);
    Press(Qt::Key_Up);
    ASSERT_EQ(Selected(), std::vector<int>{0});
    Type("m_editDamage", "55");
    PressAltAndWait(Qt::Key_M, [&] { return Damages().front() == 55; });
    EXPECT_EQ(Damages(), (std::vector<int>{55, 20, 30}));

    Press(Qt::Key_L, Qt::AltModifier);
    Press(Qt::Key_End);
    ASSERT_EQ(Selected(), std::vector<int>{2});
    PressAltAndWait(Qt::Key_R, [&] { return List()->count() == 2; });

    PressAltAndWait(Qt::Key_O, [&] { return !m_boxes.empty(); });
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, QStringLiteral("Complete"));
    std::ifstream log(m_dir.File("Results.Txt"), std::ios::binary);
    std::stringstream written;
    written << log.rdbuf();
    EXPECT_NE(written.str().find(List()->item(1)->text().toStdString()), std::string::npos);

    PressAltAndWait(Qt::Key_C, [&] { return List()->count() == 0; });
    EXPECT_EQ(S().m_nLast, -1);

    PressAltAndWait(Qt::Key_X, [&] { return !m_dlg->isVisible(); });
    EXPECT_EQ(m_dlg->result(), QDialog::Rejected);
    EXPECT_EQ(m_beeps, 0);
}

} // namespace
