// SPDX-License-Identifier: MIT
#pragma once

// A model of the main window as a person sees it, written from the window's
// documented behaviour and not from its code: the combo rows, the form, the
// enabled buttons, the focus, the beeps and the reports written. Each member
// function says what one user action does to it. The scores themselves come
// from the scoring engine (ScoreCombo), which has tests of its own.
#include "model/ComboState.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace randomtest {

enum class Edit { Hp, Def, Damage };
enum class DropDown { KovRate, HitRate, HitCount, LinkCount };
enum class Check {
    UnDefence,
    Airier,
    Core,
    Counter,
    Double,
    LinkTrap,
    LongRange,
    RapidChain,
    Option
};
enum class Push { Add, Modify, Remove, Clear, Output, Down, Up, Theory };
enum class Radio { Ceil, Wall, Floor, Extra, On, Off };

inline constexpr int kEdits = 3;
inline constexpr int kDropDowns = 4;
inline constexpr int kChecks = 9;
inline constexpr int kPushes = 8;
inline constexpr int kRadios = 6;

// Everything that can hold the keyboard focus in the tested window.
struct Focus {
    enum class Kind { None, Edit, DropDown, Check, Push, Radio, List } kind = Kind::None;
    int index = 0;
    bool operator==(const Focus&) const = default;
};

const char* ObjectName(Edit e);
const char* ObjectName(DropDown d);
const char* ObjectName(Check c);
const char* ObjectName(Push p);
const char* ObjectName(Radio r);
std::string ObjectName(Focus f);

// The items of the four drop-down lists, as the template gives them.
const std::vector<std::string>& DropDownItems(DropDown d);

// One key press inside a number edit. Text, Paste and Ime insert `text` at
// the caret (replacing a selection) as far as the three-character limit
// lets them; the other kinds are editing keys.
struct EditKey {
    enum class Kind { Text, Paste, Ime, Backspace, Delete, Left, Right, Home, End } kind;
    std::u16string text;
};

// Where the caret is put after clicking into the edit, before the keys;
// Keep: no click, the keys go to the edit that has the focus.
struct Caret {
    enum class Kind { Keep, End, Home, SelectAll, Middle } kind;
    int offset = 0; // Middle: characters left of the end
};

// What the window's history and its file keep of the combo.
struct Content {
    std::vector<ComboEntry> rows;
    int hp = 0;
    int def = 0;
    bool real = false;
    bool operator==(const Content&) const = default;
};

// The window keeps this many steps to undo.
inline constexpr std::size_t kUndoSteps = 100;

struct Model {
    // The combo: rows 0..m_nLast, each with the Jk flag of the last scoring.
    std::vector<ComboEntry> rows;
    int sel = -1;
    int hp = 0;
    int def = 0;
    bool real = false;
    ComboEntry entry = DefaultEntry();

    // The form.
    std::array<std::u16string, kEdits> edits{};
    std::array<int, kEdits> cursors{}; // caret of each edit, never a selection between actions
    std::array<int, kDropDowns> dropIndex{5, 0, 0, -1};
    std::array<bool, kDropDowns> dropEnabled{true, true, true, false};
    int type = kTrapCeil;
    bool calcOn = true;
    std::array<bool, kChecks> checks{};
    std::array<bool, kPushes> pushEnabled{true, false, false, false, false, false, false, false};
    bool captionReal = false;

    // The list: its selected line (-1 none); its lines follow from rows.
    int listSel = -1;

    Focus focus{Focus::Kind::Edit, static_cast<int>(Edit::Hp)};
    long beeps = 0;
    long outputs = 0;

    // Undo and redo steps (oldest first), and the content of the combo file
    // once one has been saved or opened: the window's title names it then.
    std::deque<Content> undo;
    std::vector<Content> redo;
    std::optional<Content> saved;
    long questions = 0;

    int Last() const { return static_cast<int>(rows.size()) - 1; }
    // What the history and the file keep of the combo now.
    Content Snap() const;

    // The model state as the core keeps it, scored: the reference for the
    // dialog's table, results and list lines.
    ComboState Scored() const;

    // The list lines and the report of one Output for the scored combo, from
    // the reference texts rather than the program's own.
    std::vector<std::string> ListLines() const;
    std::string ReportBlock() const;

    // User actions. Each returns nothing; a refusal shows in beeps and focus.
    void Type(Edit e, const Caret& caret, const std::vector<EditKey>& keys);
    void ClickPush(Push p);
    void ClickCheck(Check c);
    void ClickRadio(Radio r);
    void Choose(DropDown d, int index);
    void ClickLine(int line);           // beyond the last line: the blank part
    void ListKeys(int line, int moves); // click `line`, then arrow keys: +down, -up
    void PressEnter();
    void PressSpace();
    void RadioArrow(bool forward);
    // Undo and redo through a key (nothing to do: a beep) or the window
    // menu (nothing to do: a disabled entry that does nothing).
    void Undo(bool byKey);
    void Redo(bool byKey);
    void DeleteLine(int line);    // click `line`, then Delete
    void DuplicateLine(int line); // click `line`, then Ctrl+D
    void Save();                  // Save or Save As, always to the one file
    // Open of that file; unsaved changes are asked about first.
    enum class Answer { Save, Discard, Cancel };
    void OpenSaved(Answer answer);

private:
    // A command turned `before` into the present content: one undo step,
    // unless nothing changed.
    void Record(const Content& before);
    // The whole combo shown afresh after undo, redo, a line operation, Open.
    void Show(const Content& content);
    void RunPush(Push p); // what the button's handler does
    void OnOK();
    void OnModify();
    void OnRemove();
    void OnClear();
    void OnDown();
    void OnUp();
    void OnTheory();
    void OnSelchangeList(int line);
    bool Validate();
    void Place(int start);
    void Recalculate();
    void ShowEntry(const ComboEntry& e);
    void ResetForm();
    void MirrorCheck(Check c);
    void MirrorRadio(Radio r);
    void AfterEditChange(Edit e, bool changed);
};

// The longest prefix of `text` made of the ASCII digits 0 to 9, and the
// number of characters (a surrogate pair is one; a lone half is one) after
// it: what the digit filter keeps, and how many times it beeps.
struct FilterOutcome {
    std::u16string kept;
    int removed = 0;
};
FilterOutcome ExpectedFilter(std::u16string_view text);

} // namespace randomtest
