// SPDX-License-Identifier: MIT
#pragma once

// Drives a real main window the way a person does: mouse clicks on buttons,
// keys into edits, clicks on list lines. Beeps are counted and message boxes
// recorded through the feedback seam, so nothing waits on a box. Every window
// test uses it: the fixed cases, the random sessions, the locale runs.
#include "window/CComboCalcDlg.h"
#include "window/Feedback.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct RecordedBox {
    QWidget* owner;
    Feedback::BoxIcon icon;
    QString caption;
    QString text;
};

class WindowDriver {
public:
    static constexpr const char* kControlNames[] = {
        "m_rdoOn",         "m_rdoOff",     "m_rdoCeil",      "m_rdoWall",     "m_rdoFloor",
        "m_rdoExtra",      "m_btnAdd",     "m_btnModify",    "m_btnClear",    "m_btnRemove",
        "m_btnOutput",     "m_btnDown",    "m_btnUp",        "m_btnTheory",   "m_chkAirier",
        "m_chkCore",       "m_chkCounter", "m_chkDouble",    "m_chkLinkTrap", "m_chkLongRange",
        "m_chkRapidChain", "m_chkOption",  "m_chkUnDefence", "m_editHp",      "m_editDef",
        "m_editDamage",    "m_listCombo",  "m_cmbKovRate",   "m_cmbHitRate",  "m_cmbLinkCount",
        "m_cmbHitCount",   "exitButton"};

    // A new window, shown and active, with beeps and boxes recorded; throws
    // when a control is missing or the window never becomes active.
    WindowDriver() {
        m_oldBeep = Feedback::SetBeepHandler([this] { ++m_beeps; });
        m_oldBox = Feedback::SetBoxHandler([this](QWidget* owner, Feedback::BoxIcon icon,
                                                  const QString& caption, const QString& text) {
            m_boxes.push_back({owner, icon, caption, text});
        });
        try {
            m_dlg = std::make_unique<CComboCalcDlg>();
            for (const char* name : kControlNames)
                Get(name);
            m_dlg->show();
            m_dlg->activateWindow();
            QApplication::setActiveWindow(m_dlg.get());
            if (!QTest::qWaitForWindowActive(m_dlg.get()))
                throw std::runtime_error("the window never became active");
        } catch (...) {
            Close();
            throw;
        }
    }
    ~WindowDriver() { Close(); }
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;

    template <class W = QWidget> W* Get(const char* name) const {
        W* widget = m_dlg->findChild<W*>(QString::fromLatin1(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return widget;
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
        if (index < 0)
            throw std::runtime_error(std::string(name) + " has no item " + item.toStdString());
        box->setCurrentIndex(index);
    }

    void SelectLine(int line, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QListWidget* list = List();
        QListWidgetItem* item = list->item(line);
        if (item == nullptr)
            throw std::runtime_error("no line " + std::to_string(line));
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

    static std::string FocusName() {
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
    int m_beeps = 0;
    std::vector<RecordedBox> m_boxes;

private:
    // The handlers point at this driver: they go back before it is gone.
    void Close() {
        m_dlg.reset();
        Feedback::SetBeepHandler(m_oldBeep);
        Feedback::SetBoxHandler(m_oldBox);
    }

    Feedback::BeepHandler m_oldBeep;
    Feedback::BoxHandler m_oldBox;
};
