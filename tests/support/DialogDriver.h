#pragma once

// Drives a real main window the way a person does: mouse clicks on buttons,
// keys into edits, clicks on list lines. Beeps are counted and message boxes
// recorded through the feedback seam, so no test waits on a box.
#include "dialog/CComboCalcDlg.h"
#include "dialog/Feedback.h"
#include "support/ModalGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <stdlib.h>
#include <string>
#include <unistd.h>
#include <vector>

struct RecordedBox {
    QWidget* owner;
    Feedback::BoxIcon icon;
    QString caption;
    QString text;
};

// Runs a test inside a fresh temporary directory, so Results.Txt never lands
// in the source tree; goes back and removes the directory afterwards.
class TempWorkDir {
public:
    TempWorkDir() {
        m_old = std::filesystem::current_path();
        char pattern[] = "/tmp/kov-gui.XXXXXX";
        if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0)
            ADD_FAILURE() << "no temporary directory";
        m_dir = pattern;
    }
    ~TempWorkDir() {
        std::filesystem::current_path(m_old);
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::filesystem::path File(const char* name) const { return m_dir / name; }

private:
    std::filesystem::path m_old;
    std::filesystem::path m_dir;
};

class DialogTest : public ::testing::Test {
protected:
    static constexpr const char* kControlNames[] = {
        "m_rdoOn",         "m_rdoOff",     "m_rdoCeil",      "m_rdoWall",     "m_rdoFloor",
        "m_rdoExtra",      "m_btnAdd",     "m_btnModify",    "m_btnClear",    "m_btnRemove",
        "m_btnOutput",     "m_btnDown",    "m_btnUp",        "m_btnTheory",   "m_chkAirier",
        "m_chkCore",       "m_chkCounter", "m_chkDouble",    "m_chkLinkTrap", "m_chkLongRange",
        "m_chkRapidChain", "m_chkOption",  "m_chkUnDefence", "m_editHp",      "m_editDef",
        "m_editDamage",    "m_listCombo",  "m_cmbKovRate",   "m_cmbHitRate",  "m_cmbLinkCount",
        "m_cmbHitCount",   "exitButton"};

    void SetUp() override {
        m_oldBeep = Feedback::SetBeepHandler([this] { ++m_beeps; });
        m_oldBox = Feedback::SetBoxHandler([this](QWidget* owner, Feedback::BoxIcon icon,
                                                  const QString& caption, const QString& text) {
            m_boxes.push_back({owner, icon, caption, text});
        });
        m_guard.emplace();
        m_dlg = std::make_unique<CComboCalcDlg>();
        for (const char* name : kControlNames)
            ASSERT_NE(m_dlg->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
        m_dlg->show();
        m_dlg->activateWindow();
        QApplication::setActiveWindow(m_dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void TearDown() override {
        m_dlg.reset();
        m_guard.reset();
        Feedback::SetBeepHandler(m_oldBeep);
        Feedback::SetBoxHandler(m_oldBox);
    }

    template <class W = QWidget> W* Get(const char* name) const {
        return m_dlg->findChild<W*>(QString::fromLatin1(name));
    }
    QAbstractButton* Button(const char* name) const { return Get<QAbstractButton>(name); }
    QLineEdit* Edit(const char* name) const { return Get<QLineEdit>(name); }
    QComboBox* Combo(const char* name) const { return Get<QComboBox>(name); }
    QListWidget* List() const { return Get<QListWidget>("m_listCombo"); }
    const ComboState& S() const { return m_dlg->State(); }

    void Click(const char* name) { QTest::mouseClick(Get(name), Qt::LeftButton); }

    // Replaces the whole text of an edit by typing, as a person would.
    void Type(const char* name, const QString& text) {
        QLineEdit* edit = Edit(name);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    // Only the selection matters for the boxes, which have no handler.
    void Choose(const char* name, const QString& item) {
        QComboBox* box = Combo(name);
        const int index = box->findText(item, Qt::MatchExactly);
        EXPECT_GE(index, 0) << name << " has no item " << item.toStdString();
        box->setCurrentIndex(index);
    }

    void SelectLine(int line, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QListWidget* list = List();
        QListWidgetItem* item = list->item(line);
        ASSERT_NE(item, nullptr) << "no line " << line;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(item).center());
    }

    // A key on whatever has the focus, as the keyboard delivers it.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : m_dlg.get(), key, modifiers);
    }

    void AddHit(int damage, int count = 1) {
        Type("m_editDamage", QString::number(damage));
        Choose("m_cmbHitCount", QString::number(count));
        Click("m_btnAdd");
    }

    // HP and defence, then `rows` single hits with damage 10, 11, ...
    void StartCombo(int hp, int def, int rows) {
        Type("m_editHp", QString::number(hp));
        Type("m_editDef", QString::number(def));
        for (int i = 0; i < rows; ++i)
            AddHit(10 + i);
    }

    // Enabled state of Add, Modify, Remove, Clear, Output, down, up, Theory/Real.
    std::string Buttons() const {
        std::string states;
        for (const char* name : {"m_btnAdd", "m_btnModify", "m_btnRemove", "m_btnClear",
                                 "m_btnOutput", "m_btnDown", "m_btnUp", "m_btnTheory"})
            states += Button(name)->isEnabled() ? '+' : '-';
        return states;
    }

    std::string FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : std::string("(none)");
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < List()->count(); ++i)
            lines.push_back(List()->item(i)->text().toStdString());
        return lines;
    }

    std::vector<int> Selected() const {
        std::vector<int> rows;
        for (QListWidgetItem* item : List()->selectedItems())
            rows.push_back(List()->row(item));
        return rows;
    }

    std::vector<int> Damages() const {
        std::vector<int> damages;
        for (int row = 0; row <= S().m_nLast; ++row)
            damages.push_back(S().m_table[row].m_nDamage);
        return damages;
    }

    std::unique_ptr<CComboCalcDlg> m_dlg;
    std::optional<ModalGuard> m_guard;
    int m_beeps = 0;
    std::vector<RecordedBox> m_boxes;
    Feedback::BeepHandler m_oldBeep;
    Feedback::BoxHandler m_oldBox;
};
