// SPDX-License-Identifier: MIT
// Random sequences of real user actions on the real main window, each checked
// against the model of DialogModel.h and against the window's own invariants.
//
// Bounded by default (see kDefaultSequences). Longer runs and replays go
// through RapidCheck's RC_PARAMS:
//   RC_PARAMS="max_success=12000 max_size=400" ./random_dialog_tests
//   RC_PARAMS="reproduce=<string printed by a failing run>" ./random_dialog_tests
// A failing run prints the seed and the shrunk sequence of actions.
#include "random/DialogModel.h"

#include "scoring/Scoring.h"
#include "support/ModalGuard.h"
#include "support/TempDir.h"
#include "support/WindowDriver.h"
#include "support/WindowMenu.h"
#include "window/FileChooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <thread>

namespace randomtest {
namespace {

using rc::Gen;

// Sequences of the bounded run; RC_PARAMS="max_success=..." overrides it.
constexpr int kDefaultSequences = 500;
// Lines the list can show with room to spare below them for a click on its
// blank part.
constexpr int kLinesWithBlankBelow = 10;

long g_actions = 0;

// How often the runs reached the situations worth reaching; printed at the
// end so that a change which starves one of them shows.
struct Coverage {
    long fullCombo = 0, groupsCut = 0, moves = 0, modifies = 0, removes = 0, outputs = 0;
    long modeSwitches = 0, refusals = 0, filterBeeps = 0, realMode = 0;
    long undos = 0, redos = 0;
};
Coverage g_coverage;

void Count(const Model& before, const Model& after) {
    Coverage& c = g_coverage;
    c.fullCombo += after.Last() == kLastRow && before.Last() != kLastRow;
    c.outputs += after.outputs - before.outputs;
    c.modeSwitches += after.real != before.real && !after.rows.empty();
    c.realMode += after.real;
    c.filterBeeps += after.beeps - before.beeps;
    c.refusals += after.beeps > before.beeps && after.rows == before.rows;
    c.removes += after.rows.size() < before.rows.size() && !after.rows.empty();
    c.moves += after.rows.size() == before.rows.size() && after.rows != before.rows &&
               (after.focus == Focus{Focus::Kind::Push, static_cast<int>(Push::Down)} ||
                after.focus == Focus{Focus::Kind::Push, static_cast<int>(Push::Up)});
    c.modifies += before.pushEnabled[static_cast<int>(Push::Modify)] &&
                  !after.pushEnabled[static_cast<int>(Push::Modify)] && after.rows != before.rows;
    c.undos += after.redo.size() > before.redo.size();
    c.redos += after.redo.size() < before.redo.size() && after.undo.size() > before.undo.size();
    c.groupsCut += after.Last() == kLastRow && !after.rows.empty() &&
                   after.rows.back().m_nHitsLeft > 1 && before.Last() != kLastRow;
}

// ---------------------------------------------------------------------------
// Showing actions in a shrunk counterexample.

std::string Printable(const std::u16string& text) {
    std::string out = "\"";
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[12];
            std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(c));
            out += hex;
        }
    }
    return out + "\"";
}

std::string Show(const EditKey& key) {
    switch (key.kind) {
    case EditKey::Kind::Text:
        return Printable(key.text);
    case EditKey::Kind::Paste:
        return "paste " + Printable(key.text);
    case EditKey::Kind::Ime:
        return "ime " + Printable(key.text);
    case EditKey::Kind::Backspace:
        return "Backspace";
    case EditKey::Kind::Delete:
        return "Delete";
    case EditKey::Kind::Left:
        return "Left";
    case EditKey::Kind::Right:
        return "Right";
    case EditKey::Kind::Home:
        return "Home";
    case EditKey::Kind::End:
        return "End";
    }
    return "?";
}

// ---------------------------------------------------------------------------
// The system under test: one real window in its own working directory.

class Sut : public WindowDriver {
public:
    // Both file dialogs answer with the one combo file of the session; the
    // save dialog leaves the suffix to the window.
    Sut() {
        const auto answer = [this](const char* name) {
            return [path = QString::fromStdString(m_dir.File(name))](
                       QWidget*, const QString&, const QString&, const QString&) { return path; };
        };
        m_oldOpen = FileChooser::SetOpenHandler(answer("session.kovcombo"));
        m_oldSave = FileChooser::SetSaveHandler(answer("session"));
        m_oldQuestion = Feedback::SetSaveQuestionHandler([this](QWidget*, const QString&) {
            ++questions;
            return saveAnswer;
        });
    }
    ~Sut() {
        FileChooser::SetOpenHandler(m_oldOpen);
        FileChooser::SetSaveHandler(m_oldSave);
        Feedback::SetSaveQuestionHandler(m_oldQuestion);
    }
    Sut(const Sut&) = delete;
    Sut& operator=(const Sut&) = delete;

    QLineEdit* EditOf(randomtest::Edit e) const { return Get<QLineEdit>(ObjectName(e)); }
    QComboBox* BoxOf(DropDown d) const { return Get<QComboBox>(ObjectName(d)); }

    // The Results.Txt the window has written so far.
    std::string ReadResults() const {
        std::ifstream in(m_dir.File("Results.Txt"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string expectedResults;
    // How the next question about unsaved changes is answered, and how many
    // have been asked.
    Feedback::SaveAnswer saveAnswer = Feedback::SaveAnswer::Cancel;
    long questions = 0;

private:
    TempWorkDir m_dir;
    FileChooser::Handler m_oldOpen;
    FileChooser::Handler m_oldSave;
    Feedback::SaveQuestionHandler m_oldQuestion;
};

// ---------------------------------------------------------------------------
// Comparing the window with the model after every action.

class Differences {
public:
    template <class A, class B>
    void Expect(const A& actual, const B& expected, const std::string& what) {
        if (!(actual == expected)) {
            std::ostringstream line;
            line << what << ": is " << Text(actual) << ", expected " << Text(expected) << "\n";
            m_text += line.str();
        }
    }
    void Require(bool ok, const std::string& what) {
        if (!ok)
            m_text += what + "\n";
    }
    const std::string& Report() const { return m_text; }

private:
    template <class T> static std::string Text(const T& value) {
        if constexpr (std::is_same_v<T, std::u16string>) {
            return Printable(value);
        } else if constexpr (std::is_same_v<T, bool>) {
            return value ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::string>) {
            return "\"" + value + "\"";
        } else if constexpr (std::is_arithmetic_v<T>) {
            return std::to_string(value);
        } else {
            return "(differs)";
        }
    }
    std::string m_text;
};

std::u16string ToU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

std::string EntryText(const ComboEntry& e) {
    std::ostringstream out;
    out << "{used " << e.m_bUsed << " type " << e.m_nType << " dmg " << e.m_nDamage << " kov "
        << e.m_dKovRate << " hit " << e.m_dHitRate << " undef " << e.m_bUnDefence << " left "
        << e.m_nHitsLeft << " calc " << e.m_bCalculate << " flags " << e.m_bAirier << e.m_bCore
        << e.m_bCounter << e.m_bDouble << e.m_bLinkTrap << e.m_bLongRange << e.m_bRapidChain
        << " jk " << e.m_bJk << " opt " << e.m_bOption << " links " << e.m_nLinkCount << "}";
    return out.str();
}

void CheckWindow(const Model& model, Sut& sut) {
    Differences d;
    const ComboState& s = sut.S();

    // The model of the combo and its bounds.
    d.Require(s.m_nLast >= -1 && s.m_nLast <= kLastRow, "m_nLast out of -1..14");
    d.Require(s.m_nSel >= -1 && s.m_nSel <= kLastRow, "m_nSel out of -1..14");
    d.Expect(s.m_nLast, model.Last(), "m_nLast");
    d.Expect(s.m_nSel, model.sel, "m_nSel");
    d.Expect(s.m_nHp, model.hp, "m_nHp");
    d.Expect(s.m_nDef, model.def, "m_nDef");
    d.Expect(s.m_bReal, model.real ? 1 : 0, "m_bReal");
    if (!(s.m_entry == model.entry))
        d.Require(false,
                  "working entry " + EntryText(s.m_entry) + ", expected " + EntryText(model.entry));
    const int last = std::clamp(s.m_nLast, -1, kLastRow);
    for (int row = 0; row <= kLastRow; ++row) {
        const ComboEntry& entry = s.m_table[static_cast<std::size_t>(row)];
        if (row <= last) {
            d.Require(entry.m_bUsed == 1, "row " + std::to_string(row) + " of the combo is free");
            if (row <= model.Last() && !(entry == model.rows[static_cast<std::size_t>(row)]))
                d.Require(false, "row " + std::to_string(row) + " " + EntryText(entry) +
                                     ", expected " +
                                     EntryText(model.rows[static_cast<std::size_t>(row)]));
        } else {
            d.Require(entry.m_bUsed == 0,
                      "row " + std::to_string(row) + " after the combo is used");
            d.Require(s.m_results[static_cast<std::size_t>(row)] == HitResult{},
                      "result " + std::to_string(row) + " after the combo is not zero");
        }
    }

    // The results: those of a fresh scoring of the window's own state, and
    // those of the model's combo.
    ComboState rescored = s;
    ScoreCombo(rescored);
    const ComboState expected = model.Scored();
    for (int row = 0; row <= last; ++row) {
        const auto r = static_cast<std::size_t>(row);
        d.Require(s.m_results[r] == rescored.m_results[r] &&
                      s.m_table[r].m_bJk == rescored.m_table[r].m_bJk,
                  "result " + std::to_string(row) + " is not that of a fresh scoring");
        d.Require(s.m_results[r] == expected.m_results[r],
                  "result " + std::to_string(row) + " differs from the model's");
    }

    // The list: one line per row, as the reference texts make it.
    QListWidget* list = sut.List();
    const std::vector<std::string> lines = model.ListLines();
    d.Expect(list->count(), static_cast<int>(lines.size()), "list lines");
    for (int row = 0; row < std::min(list->count(), static_cast<int>(lines.size())); ++row)
        d.Expect(list->item(row)->text().toStdString(), lines[static_cast<std::size_t>(row)],
                 "list line " + std::to_string(row));
    const QList<QListWidgetItem*> selected = list->selectedItems();
    d.Expect(static_cast<int>(selected.size()), model.listSel >= 0 ? 1 : 0, "selected lines");
    if (selected.size() == 1)
        d.Expect(list->row(selected.first()), model.listSel, "selected line");

    // The form, and the working entry mirroring its live controls.
    for (int e = 0; e < kEdits; ++e) {
        const QString text = sut.EditOf(static_cast<Edit>(e))->text();
        d.Expect(ToU16(text), model.edits[static_cast<std::size_t>(e)],
                 std::string(ObjectName(static_cast<Edit>(e))) + " text");
    }
    const QString damage = sut.EditOf(Edit::Damage)->text();
    if (!damage.isEmpty() && damage.size() <= 3 &&
        std::all_of(damage.begin(), damage.end(), [](QChar c) { return c >= '0' && c <= '9'; }))
        d.Expect(s.m_entry.m_nDamage, damage.toInt(), "damage of the entry against its edit");
    for (int b = 0; b < kDropDowns; ++b) {
        QComboBox* box = sut.BoxOf(static_cast<DropDown>(b));
        const std::string name = ObjectName(static_cast<DropDown>(b));
        d.Expect(box->currentIndex(), model.dropIndex[static_cast<std::size_t>(b)],
                 name + " index");
        d.Expect(box->isEnabled(), model.dropEnabled[static_cast<std::size_t>(b)],
                 name + " enabled");
    }
    for (int r = 0; r < kRadios; ++r) {
        const bool on = sut.Get<QRadioButton>(ObjectName(static_cast<Radio>(r)))->isChecked();
        const bool expectedOn = r < 4 ? model.type == r + 1 : model.calcOn == (r == 4);
        d.Expect(on, expectedOn, ObjectName(static_cast<Radio>(r)));
    }
    d.Expect(s.m_entry.m_nType >= 1 && s.m_entry.m_nType <= 4 &&
                 sut.Get<QRadioButton>(ObjectName(static_cast<Radio>(s.m_entry.m_nType - 1)))
                     ->isChecked(),
             true, "type of the entry against the radio buttons");
    d.Expect(sut.Get<QRadioButton>("m_rdoOn")->isChecked(), s.m_entry.m_bCalculate == 1,
             "Calculate of the entry against On");
    const std::int32_t ComboEntry::*flags[kChecks] = {
        &ComboEntry::m_bUnDefence, &ComboEntry::m_bAirier,     &ComboEntry::m_bCore,
        &ComboEntry::m_bCounter,   &ComboEntry::m_bDouble,     &ComboEntry::m_bLinkTrap,
        &ComboEntry::m_bLongRange, &ComboEntry::m_bRapidChain, &ComboEntry::m_bOption};
    for (int c = 0; c < kChecks; ++c) {
        const std::string name = ObjectName(static_cast<Check>(c));
        const bool on = sut.Get<QCheckBox>(name.c_str())->isChecked();
        d.Expect(on, model.checks[static_cast<std::size_t>(c)], name);
        d.Expect(s.m_entry.*flags[c], on ? 1 : 0, name + " against the entry");
    }
    d.Require(!sut.Get<QCheckBox>("m_chkOption")->isVisible(), "Option is visible");

    // Buttons, caption, focus.
    for (int p = 0; p < kPushes; ++p) {
        const std::string name = ObjectName(static_cast<Push>(p));
        d.Expect(sut.Get<QPushButton>(name.c_str())->isEnabled(),
                 model.pushEnabled[static_cast<std::size_t>(p)], name + " enabled");
    }
    d.Expect(sut.Get<QPushButton>("m_btnTheory")->text().toStdString(),
             std::string(model.captionReal ? "Real" : "Theory"), "mode caption");
    QWidget* focus = QApplication::focusWidget();
    d.Expect(focus ? focus->objectName().toStdString() : std::string("(none)"),
             ObjectName(model.focus), "focus");

    // Feedback: beeps, boxes, the report file; no window but ours.
    d.Expect(static_cast<long>(sut.m_beeps), model.beeps, "beeps");
    d.Expect(static_cast<long>(sut.m_boxes.size()), model.outputs, "message boxes");
    if (static_cast<long>(sut.m_boxes.size()) == model.outputs && model.outputs > 0) {
        const RecordedBox& box = sut.m_boxes.back();
        d.Require(box.owner == sut.m_dlg.get() && box.icon == Feedback::BoxIcon::Information &&
                      box.caption == "Log Output" && box.text == "Complete",
                  "the Output box is not the \"Complete\" confirmation: " + box.text.toStdString());
    }
    d.Require(QApplication::activeModalWidget() == nullptr, "a modal window is open");
    d.Require(QApplication::activePopupWidget() == nullptr, "a popup is open");
    d.Require(sut.m_dlg->isVisible(), "the window has closed");
    d.Expect(sut.m_dlg->windowTitle().toStdString(),
             std::string(model.saved ? "session.kovcombo[*] - " : "") + "Kov Calculator Ver.0.92",
             "title");
    d.Expect(sut.m_dlg->isWindowModified(), model.saved && *model.saved != model.Snap(),
             "unsaved changes marked");
    d.Expect(sut.questions, model.questions, "questions about unsaved changes");
    const WindowMenu menu(*sut.m_dlg);
    d.Expect(menu.At(0)->isEnabled(), !model.undo.empty(), "Undo enabled");
    d.Expect(menu.At(1)->isEnabled(), !model.redo.empty(), "Redo enabled");

    if (!d.Report().empty())
        RC_FAIL(d.Report());
}

// After an action that may have written a report: the file must hold every
// report so far, each exactly the block of the combo shown at the time.
void CheckResultsFile(long outputsBefore, const Model& model, Sut& sut) {
    if (model.outputs == outputsBefore)
        return;
    for (long n = outputsBefore; n < model.outputs; ++n)
        sut.expectedResults += model.ReportBlock();
    const std::string actual = sut.ReadResults();
    if (actual != sut.expectedResults) {
        std::size_t at = 0;
        while (at < actual.size() && at < sut.expectedResults.size() &&
               actual[at] == sut.expectedResults[at])
            ++at;
        RC_FAIL("Results.Txt differs from the reports expected at byte " + std::to_string(at) +
                " (" + std::to_string(actual.size()) + " bytes, expected " +
                std::to_string(sut.expectedResults.size()) + ")");
    }
}

// ---------------------------------------------------------------------------
// The actions.

using Command = rc::state::Command<Model, Sut>;

// Every action: apply() moves the model, run() acts on the window and then
// compares the window with the moved model.
template <class Derived> struct Action : Command {
    void run(const Model& before, Sut& sut) const override {
        Model after = before;
        static_cast<const Derived*>(this)->apply(after);
        static_cast<const Derived*>(this)->Act(sut);
        ++g_actions;
        Count(before, after);
        CheckWindow(after, sut);
        CheckResultsFile(before.outputs, after, sut);
    }
};

QPoint PointIn(const QWidget* w, int xPercent, int yPercent) {
    return QPoint(std::clamp(w->width() * xPercent / 100, 1, w->width() - 2),
                  std::clamp(w->height() * yPercent / 100, 1, w->height() - 2));
}

void Click(QWidget* w, QPoint at = {}) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

void SendKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w, key, mods);
}

// One typed character: ASCII through its key, anything else as the text of
// a key press, the way a keyboard layout delivers it.
void TypeCharacter(QWidget* w, const std::u16string& text) {
    if (text.size() == 1 && text[0] >= 0x20 && text[0] < 0x7f) {
        QTest::keyClick(w, static_cast<char>(text[0]));
        return;
    }
    const QString qtext = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, qtext, Qt::NoModifier);
}

Gen<std::u16string> GenCharacter() {
    static const std::vector<std::u16string> unusual = {
        u"\u00E9", u"\u00DF", u"\u6F22", u"\uFF11", u"\u0663",     u"\u0301",
        u"\u200D", u"\uE000", u"\u00A0", u"\u3000", u"\U0001F600", u"\U0001D7CE",
        u"\u0130", u"\u0131", u"\u2212", u"\uFF0C"};
    return rc::gen::weightedOneOf<std::u16string>({
        {10, rc::gen::map(rc::gen::inRange<int>('0', '9' + 1),
                          [](int c) { return std::u16string(1, static_cast<char16_t>(c)); })},
        {3, rc::gen::map(rc::gen::inRange<int>(0x20, 0x7f),
                         [](int c) { return std::u16string(1, static_cast<char16_t>(c)); })},
        {3, rc::gen::elementOf(unusual)},
    });
}

// Pasted text can hold anything, control characters and lone surrogate
// halves included, and be far longer than the edit takes.
Gen<std::u16string> GenPasted() {
    const auto unit = rc::gen::weightedOneOf<int>({
        {8, rc::gen::inRange<int>('0', '9' + 1)},
        {2, rc::gen::inRange<int>(1, 0x80)},
        {1, rc::gen::inRange<int>(0x80, 0x10000)},
        {1, rc::gen::element<int>(0xD83D, 0xDE00, '\n', '\t', '\r')},
    });
    return rc::gen::map(rc::gen::resize(60, rc::gen::container<std::vector<int>>(unit)),
                        [](const std::vector<int>& units) {
                            std::u16string text;
                            for (int u : units)
                                text.push_back(static_cast<char16_t>(u));
                            return text;
                        });
}

Gen<std::u16string> GenIme() {
    return rc::gen::map(
        rc::gen::resize(
            4, rc::gen::nonEmpty(rc::gen::container<std::vector<std::u16string>>(GenCharacter()))),
        [](const std::vector<std::u16string>& parts) {
            std::u16string text;
            for (const auto& p : parts)
                text += p;
            return text;
        });
}

Gen<EditKey> GenKey(bool mustEdit) {
    using K = EditKey::Kind;
    const auto plain = [](K kind) { return rc::gen::just(EditKey{kind, {}}); };
    const auto withText = [](K kind, Gen<std::u16string> text) {
        return rc::gen::map(std::move(text), [kind](std::u16string t) {
            return EditKey{kind, std::move(t)};
        });
    };
    if (mustEdit) {
        return rc::gen::weightedOneOf<EditKey>({{10, withText(K::Text, GenCharacter())},
                                                {2, withText(K::Paste, GenPasted())},
                                                {2, withText(K::Ime, GenIme())},
                                                {2, plain(K::Backspace)},
                                                {1, plain(K::Delete)}});
    }
    return rc::gen::weightedOneOf<EditKey>({{10, withText(K::Text, GenCharacter())},
                                            {2, withText(K::Paste, GenPasted())},
                                            {2, withText(K::Ime, GenIme())},
                                            {2, plain(K::Backspace)},
                                            {1, plain(K::Delete)},
                                            {1, plain(K::Left)},
                                            {1, plain(K::Right)},
                                            {1, plain(K::Home)},
                                            {1, plain(K::End)}});
}

void PressEditKey(QLineEdit* edit, const EditKey& key) {
    switch (key.kind) {
    case EditKey::Kind::Text:
        TypeCharacter(edit, key.text);
        break;
    case EditKey::Kind::Paste:
        QApplication::clipboard()->setText(
            QString::fromUtf16(key.text.data(), static_cast<qsizetype>(key.text.size())));
        SendKey(edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case EditKey::Kind::Ime: {
        QInputMethodEvent commit;
        commit.setCommitString(
            QString::fromUtf16(key.text.data(), static_cast<qsizetype>(key.text.size())));
        QApplication::sendEvent(edit, &commit);
        break;
    }
    case EditKey::Kind::Backspace:
        SendKey(edit, Qt::Key_Backspace);
        break;
    case EditKey::Kind::Delete:
        SendKey(edit, Qt::Key_Delete);
        break;
    case EditKey::Kind::Left:
        SendKey(edit, Qt::Key_Left);
        break;
    case EditKey::Kind::Right:
        SendKey(edit, Qt::Key_Right);
        break;
    case EditKey::Kind::Home:
        SendKey(edit, Qt::Key_Home);
        break;
    case EditKey::Kind::End:
        SendKey(edit, Qt::Key_End);
        break;
    }
}

// Click into a number edit, put the caret somewhere, press keys. A plain
// number (select all, type one to three digits) is what a person does most.
struct TypeAction : Action<TypeAction> {
    TypeAction(const Model& m, bool plainNumber) {
        // A number goes mostly where the form still lacks one.
        std::vector<Edit> empty;
        for (Edit e : {Edit::Hp, Edit::Def, Edit::Damage})
            if (m.edits[static_cast<std::size_t>(e)].empty())
                empty.push_back(e);
        edit = plainNumber && !empty.empty() && *rc::gen::inRange(0, 4) != 0
                   ? *rc::gen::elementOf(empty)
                   : *rc::gen::element(Edit::Hp, Edit::Def, Edit::Damage);
        clickX = *rc::gen::inRange(5, 95);
        if (plainNumber) {
            caret = Caret{Caret::Kind::SelectAll, 0};
            const auto digits = *rc::gen::container<std::vector<int>>(
                static_cast<std::size_t>(*rc::gen::inRange(1, 4)),
                rc::gen::inRange<int>('0', '9' + 1));
            for (int d : digits)
                keys.push_back(
                    EditKey{EditKey::Kind::Text, std::u16string(1, static_cast<char16_t>(d))});
            return;
        }
        caret =
            *rc::gen::weightedOneOf<Caret>({{3, rc::gen::just(Caret{Caret::Kind::End, 0})},
                                            {1, rc::gen::just(Caret{Caret::Kind::Home, 0})},
                                            {2, rc::gen::just(Caret{Caret::Kind::SelectAll, 0})},
                                            {1, rc::gen::map(rc::gen::inRange(1, 4), [](int n) {
                                                 return Caret{Caret::Kind::Middle, n};
                                             })}});
        // Right after Select All a caret key would only collapse the
        // selection; the first key edits.
        keys.push_back(*GenKey(caret.kind == Caret::Kind::SelectAll));
        const auto more =
            *rc::gen::resize(5, rc::gen::container<std::vector<EditKey>>(GenKey(false)));
        keys.insert(keys.end(), more.begin(), more.end());
    }
    Edit edit;
    Caret caret;
    std::vector<EditKey> keys;
    int clickX;

    void apply(Model& m) const override { m.Type(edit, caret, keys); }
    void Act(Sut& sut) const {
        QLineEdit* e = sut.EditOf(edit);
        Click(e, PointIn(e, clickX, 50));
        switch (caret.kind) {
        case Caret::Kind::Keep:
        case Caret::Kind::End:
            SendKey(e, Qt::Key_End);
            break;
        case Caret::Kind::Home:
            SendKey(e, Qt::Key_Home);
            break;
        case Caret::Kind::SelectAll:
            SendKey(e, Qt::Key_A, Qt::ControlModifier);
            break;
        case Caret::Kind::Middle:
            SendKey(e, Qt::Key_End);
            for (int i = 0; i < caret.offset; ++i)
                SendKey(e, Qt::Key_Left);
            break;
        }
        for (const EditKey& key : keys)
            PressEditKey(e, key);
    }
    void show(std::ostream& os) const override {
        static const char* carets[] = {"keep", "End", "Home", "Ctrl+A", "Middle"};
        os << "Type into " << ObjectName(edit) << " [" << carets[static_cast<int>(caret.kind)];
        if (caret.kind == Caret::Kind::Middle)
            os << " -" << caret.offset;
        os << "]";
        for (const EditKey& key : keys)
            os << " " << Show(key);
    }
};

struct PushAction : Action<PushAction> {
    explicit PushAction(const Model& m)
        : push([&m] {
              // Mostly buttons a person would press, the ones that build the
              // combo up more often than Clear; disabled ones now and then.
              static constexpr std::size_t kWeights[kPushes] = {6, 4, 1, 1, 1, 4, 4, 2};
              std::size_t total = 0;
              for (int p = 0; p < kPushes; ++p) {
                  if (m.pushEnabled[static_cast<std::size_t>(p)])
                      total += kWeights[p];
              }
              if (total == 0 || *rc::gen::inRange(0, 8) == 0)
                  return static_cast<Push>(*rc::gen::inRange(0, kPushes));
              auto pick = static_cast<std::size_t>(*rc::gen::inRange<std::size_t>(0, total));
              for (int p = 0; p < kPushes; ++p) {
                  if (!m.pushEnabled[static_cast<std::size_t>(p)])
                      continue;
                  if (pick < kWeights[p])
                      return static_cast<Push>(p);
                  pick -= kWeights[p];
              }
              return Push::Add;
          }()) {}
    Push push;
    void apply(Model& m) const override { m.ClickPush(push); }
    void Act(Sut& sut) const { Click(sut.Get(ObjectName(push))); }
    void show(std::ostream& os) const override { os << "Click " << ObjectName(push); }
};

struct CheckAction : Action<CheckAction> {
    Check check = static_cast<Check>(*rc::gen::inRange(0, kChecks - 1)); // never the hidden Option
    int x = *rc::gen::inRange(2, 98);
    int y = *rc::gen::inRange(10, 90);
    void apply(Model& m) const override { m.ClickCheck(check); }
    void Act(Sut& sut) const {
        QWidget* box = sut.Get(ObjectName(check));
        Click(box, PointIn(box, x, y));
    }
    void show(std::ostream& os) const override { os << "Click " << ObjectName(check); }
};

struct RadioAction : Action<RadioAction> {
    Radio radio = static_cast<Radio>(*rc::gen::inRange(0, kRadios));
    int x = *rc::gen::inRange(2, 98);
    void apply(Model& m) const override { m.ClickRadio(radio); }
    void Act(Sut& sut) const {
        QWidget* button = sut.Get(ObjectName(radio));
        Click(button, PointIn(button, x, 50));
    }
    void show(std::ostream& os) const override { os << "Click " << ObjectName(radio); }
};

struct RadioArrowAction : Action<RadioArrowAction> {
    Qt::Key key = *rc::gen::element(Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right);
    void checkPreconditions(const Model& m) const override {
        RC_PRE(m.focus.kind == Focus::Kind::Radio);
    }
    void apply(Model& m) const override {
        m.RadioArrow(key == Qt::Key_Down || key == Qt::Key_Right);
    }
    void Act(Sut& sut) const {
        (void)sut;
        SendKey(QApplication::focusWidget(), key);
    }
    void show(std::ostream& os) const override {
        os << "Arrow key "
           << (key == Qt::Key_Up     ? "Up"
               : key == Qt::Key_Down ? "Down"
               : key == Qt::Key_Left ? "Left"
                                     : "Right");
    }
};

// A drop-down list: a click opens it, then the item is clicked, or picked
// with the keys in the open list, or the list is closed with Escape and the
// keys go to the closed box.
struct ChooseAction : Action<ChooseAction> {
    enum class Way { ClickItem, KeysInList, KeysOnBox };
    DropDown box = static_cast<DropDown>(*rc::gen::inRange(0, kDropDowns));
    int index = *rc::gen::inRange(0, static_cast<int>(DropDownItems(box).size()));
    Way way = *rc::gen::element(Way::ClickItem, Way::KeysInList, Way::KeysOnBox);

    void apply(Model& m) const override { m.Choose(box, index); }
    void Act(Sut& sut) const {
        QComboBox* combo = sut.BoxOf(box);
        const bool enabled = combo->isEnabled();
        Click(combo);
        if (!enabled)
            return; // a disabled list neither opens nor takes the focus
        QAbstractItemView* view = combo->view();
        if (!view->isVisible())
            RC_FAIL(std::string("the list of ") + ObjectName(box) + " did not open");
        // An open list ignores a click that comes within the double-click
        // interval of its opening (RandomMain.cpp makes that interval short).
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        QCoreApplication::processEvents();
        switch (way) {
        case Way::ClickItem: {
            const QModelIndex item = combo->model()->index(index, 0);
            view->scrollTo(item);
            Click(view->viewport(), view->visualRect(item).center());
            break;
        }
        case Way::KeysInList:
            SendKey(view, Qt::Key_Home);
            for (int i = 0; i < index; ++i)
                SendKey(view, Qt::Key_Down);
            SendKey(view, Qt::Key_Return);
            break;
        case Way::KeysOnBox:
            SendKey(view, Qt::Key_Escape);
            if (view->isVisible())
                RC_FAIL("Escape did not close the list");
            SendKey(combo, Qt::Key_Home);
            for (int i = 0; i < index; ++i)
                SendKey(combo, Qt::Key_Down);
            break;
        }
    }
    void show(std::ostream& os) const override {
        static const char* ways[] = {"click", "keys in the open list", "keys on the box"};
        os << "Choose item " << index << " of " << ObjectName(box) << " ("
           << ways[static_cast<int>(way)] << ")";
    }
};

QRect LineRect(QListWidget* list, int line) {
    QListWidgetItem* item = list->item(line);
    list->scrollToItem(item);
    return list->visualItemRect(item);
}

// A click on a line of the list, or on the blank part below the lines.
struct LineAction : Action<LineAction> {
    explicit LineAction(const Model& m)
        : line(*rc::gen::inRange(0, m.Last() + 1 <= kLinesWithBlankBelow ? kComboRows
                                                                         : m.Last() + 1)) {}
    int line;
    void checkPreconditions(const Model& m) const override {
        RC_PRE(line <= m.Last() || m.Last() + 1 <= kLinesWithBlankBelow);
    }
    void apply(Model& m) const override { m.ClickLine(line); }
    void Act(Sut& sut) const {
        QListWidget* list = sut.List();
        if (line < list->count()) {
            Click(list->viewport(), LineRect(list, line).center());
            return;
        }
        const int below = list->count() > 0 ? LineRect(list, list->count() - 1).bottom() + 4 : 4;
        if (below >= list->viewport()->height() - 1)
            RC_FAIL("no blank part below the lines to click on");
        Click(list->viewport(), QPoint(list->viewport()->width() / 2, below));
    }
    void show(std::ostream& os) const override { os << "Click list line " << line; }
};

struct ListKeysAction : Action<ListKeysAction> {
    explicit ListKeysAction(const Model& m) : line(*rc::gen::inRange(0, m.Last() + 1)) {}
    int line;
    int moves = *rc::gen::inRange(-4, 5);
    void checkPreconditions(const Model& m) const override { RC_PRE(line <= m.Last()); }
    void apply(Model& m) const override { m.ListKeys(line, moves); }
    void Act(Sut& sut) const {
        QListWidget* list = sut.List();
        Click(list->viewport(), LineRect(list, line).center());
        for (int i = 0; i < std::abs(moves); ++i)
            SendKey(list, moves > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    void show(std::ostream& os) const override {
        os << "Click list line " << line << ", then " << std::abs(moves) << " x "
           << (moves > 0 ? "Down" : "Up");
    }
};

struct EnterAction : Action<EnterAction> {
    void apply(Model& m) const override { m.PressEnter(); }
    void Act(Sut& sut) const {
        (void)sut;
        SendKey(QApplication::focusWidget(), Qt::Key_Return);
    }
    void show(std::ostream& os) const override { os << "Press Enter"; }
};

struct SpaceAction : Action<SpaceAction> {
    void checkPreconditions(const Model& m) const override {
        // In the list or a drop-down list Space selects or opens; not modelled.
        RC_PRE(m.focus.kind == Focus::Kind::Edit || m.focus.kind == Focus::Kind::Check ||
               m.focus.kind == Focus::Kind::Radio || m.focus.kind == Focus::Kind::Push);
    }
    void apply(Model& m) const override { m.PressSpace(); }
    void Act(Sut& sut) const {
        (void)sut;
        SendKey(QApplication::focusWidget(), Qt::Key_Space);
    }
    void show(std::ostream& os) const override { os << "Press Space"; }
};

// Undo or redo by key or through the window menu. Inside a number edit the
// keys undo typing first, which is not modelled: there the menu is used.
struct HistoryAction : Action<HistoryAction> {
    bool redo = *rc::gen::arbitrary<bool>();
    bool byKey = *rc::gen::arbitrary<bool>();
    bool altKey = *rc::gen::arbitrary<bool>(); // redo: Ctrl+Y instead of Ctrl+Shift+Z
    void apply(Model& m) const override {
        const bool key = byKey && m.focus.kind != Focus::Kind::Edit;
        redo ? m.Redo(key) : m.Undo(key);
    }
    void Act(Sut& sut) const {
        QLineEdit* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!byKey || edit) {
            WindowMenu(*sut.m_dlg).At(redo ? 1 : 0)->trigger();
            return;
        }
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : sut.m_dlg.get();
        if (!redo)
            SendKey(target, Qt::Key_Z, Qt::ControlModifier);
        else if (altKey)
            SendKey(target, Qt::Key_Y, Qt::ControlModifier);
        else
            SendKey(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    void show(std::ostream& os) const override {
        os << (redo ? "Redo" : "Undo") << (byKey ? " by key" : " from the window menu");
    }
};

// Delete Line or Duplicate Line on a line chosen by a click.
struct LineOperationAction : Action<LineOperationAction> {
    explicit LineOperationAction(const Model& m) : line(*rc::gen::inRange(0, m.Last() + 1)) {}
    int line;
    bool duplicate = *rc::gen::arbitrary<bool>();
    void checkPreconditions(const Model& m) const override { RC_PRE(line <= m.Last()); }
    void apply(Model& m) const override { duplicate ? m.DuplicateLine(line) : m.DeleteLine(line); }
    void Act(Sut& sut) const {
        QListWidget* list = sut.List();
        Click(list->viewport(), LineRect(list, line).center());
        if (duplicate)
            SendKey(list, Qt::Key_D, Qt::ControlModifier);
        else
            SendKey(list, Qt::Key_Delete);
    }
    void show(std::ostream& os) const override {
        os << "Click list line " << line << ", then " << (duplicate ? "Ctrl+D" : "Delete");
    }
};

// Save (Ctrl+S) or Save As (Ctrl+Shift+S), or Open (Ctrl+O) of the file saved.
struct FileAction : Action<FileAction> {
    enum class Kind {
        Save,
        SaveAs,
        Open
    } kind = *rc::gen::element(Kind::Save, Kind::SaveAs, Kind::Open);
    // The answer when Open asks about unsaved changes.
    Feedback::SaveAnswer answer = *rc::gen::element(
        Feedback::SaveAnswer::Save, Feedback::SaveAnswer::Discard, Feedback::SaveAnswer::Cancel);
    void checkPreconditions(const Model& m) const override {
        RC_PRE(kind != Kind::Open || m.saved.has_value());
    }
    void apply(Model& m) const override {
        if (kind != Kind::Open)
            m.Save();
        else
            m.OpenSaved(answer == Feedback::SaveAnswer::Save      ? Model::Answer::Save
                        : answer == Feedback::SaveAnswer::Discard ? Model::Answer::Discard
                                                                  : Model::Answer::Cancel);
    }
    void Act(Sut& sut) const {
        sut.saveAnswer = answer;
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : sut.m_dlg.get();
        switch (kind) {
        case Kind::Save:
            SendKey(target, Qt::Key_S, Qt::ControlModifier);
            break;
        case Kind::SaveAs:
            SendKey(target, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case Kind::Open:
            SendKey(target, Qt::Key_O, Qt::ControlModifier);
            break;
        }
    }
    void show(std::ostream& os) const override {
        os << (kind == Kind::Save ? "Ctrl+S" : kind == Kind::SaveAs ? "Ctrl+Shift+S" : "Ctrl+O");
    }
};

using CommandPtr = std::shared_ptr<const Command>;

Gen<CommandPtr> NextAction(const Model& m) {
    return rc::gen::exec([m]() -> CommandPtr {
        const bool onRadio = m.focus.kind == Focus::Kind::Radio;
        const bool spaceWorks =
            m.focus.kind != Focus::Kind::List && m.focus.kind != Focus::Kind::DropDown;
        const int workbench = *rc::gen::inRange(0, 100);
        if (workbench < 6)
            return std::make_shared<HistoryAction>();
        if (workbench < 9 && m.Last() >= 0)
            return std::make_shared<LineOperationAction>(m);
        if (workbench < 10 && (workbench == 9 || m.saved))
            return std::make_shared<FileAction>();
        const int pick = *rc::gen::inRange(0, 100);
        if (pick < 12)
            return std::make_shared<TypeAction>(m, true);
        if (pick < 22)
            return std::make_shared<TypeAction>(m, false);
        if (pick < 46)
            return std::make_shared<PushAction>(m);
        if (pick < 54)
            return std::make_shared<CheckAction>();
        if (pick < 59)
            return std::make_shared<RadioAction>();
        if (pick < 62 && onRadio)
            return std::make_shared<RadioArrowAction>();
        if (pick < 72)
            return std::make_shared<ChooseAction>();
        if (pick < 84)
            return std::make_shared<LineAction>(m);
        if (pick < 88 && m.Last() >= 0)
            return std::make_shared<ListKeysAction>(m);
        if (pick < 95 || !spaceWorks)
            return std::make_shared<EnterAction>();
        return std::make_shared<SpaceAction>();
    });
}

TEST(RandomDialog, UserActionsKeepTheWindowAndTheModelInStep) {
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    const char* env = std::getenv("RC_PARAMS");
    if (env == nullptr || std::strstr(env, "max_success") == nullptr)
        params.maxSuccess = kDefaultSequences;

    rc::detail::TestMetadata metadata;
    metadata.id = "RandomDialog/UserActionsKeepTheWindowAndTheModelInStep";
    metadata.description = "user actions keep the window and the model in step";

    ModalGuard guard;
    const auto started = std::chrono::steady_clock::now();
    const auto result = rc::detail::checkTestable(
        [] {
            Sut sut;
            rc::state::check(Model{}, sut, &NextAction);
        },
        metadata, params);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::cout << "random dialog test: " << g_actions << " actions in " << seconds
              << " s (max_success " << params.maxSuccess << ", max_size " << params.maxSize
              << ")\n";
    const Coverage& c = g_coverage;
    std::cout << "  reached: full combo " << c.fullCombo << ", group cut at row 14 " << c.groupsCut
              << ", moves " << c.moves << ", modifies " << c.modifies << ", removes " << c.removes
              << ", outputs " << c.outputs << ", mode switches " << c.modeSwitches
              << ", actions in Real mode " << c.realMode << ", beeps " << c.filterBeeps
              << ", refused actions " << c.refusals << ", undos " << c.undos << ", redos "
              << c.redos << "\n";
    if (!result.template is<rc::detail::SuccessResult>()) {
        std::ostringstream message;
        rc::detail::printResultMessage(result, message);
        ADD_FAILURE()
            << message.str()
            << "\nReplay with RC_PARAMS=\"reproduce=...\" as printed at the end of the run.";
    }
}

} // namespace
} // namespace randomtest
