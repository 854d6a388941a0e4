// SPDX-License-Identifier: MIT
#include "random/DialogModel.h"

#include "scoring/Scoring.h"
#include "support/ReferenceReport.h"

#include <algorithm>
#include <charconv>

namespace randomtest {
namespace {

constexpr int kEditLimit = 3;

// The values behind the Kov Rate and Hit Rate items, written as numbers so
// that the model never parses text.
constexpr std::array<double, 22> kKovRates = {0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2,
                                              1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0,
                                              2.1, 2.3, 2.5, 2.8, 3.2, 4.0};
constexpr std::array<double, 15> kHitRates = {0.99, 0.98, 0.97, 0.96, 0.95, 0.94, 0.93, 0.92,
                                              0.91, 0.90, 0.89, 0.88, 0.87, 0.86, 0.85};

bool IsHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The drop-down lists select "the first item, from the top, that begins with"
// a text; -1 when none does.
int FirstStartingWith(DropDown d, const std::string& prefix) {
    const auto& items = DropDownItems(d);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// "%1.<decimals>f" of the values in the lists, whatever the process locale.
std::string Fixed(double value, int decimals) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}

int DigitsValue(const std::u16string& digits) {
    int value = 0;
    for (char16_t c : digits)
        value = value * 10 + (c - u'0');
    return value;
}

std::u16string DigitsText(int value) {
    const std::string ascii = std::to_string(value);
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

const char* ObjectName(Edit e) {
    static constexpr const char* names[] = {"m_editHp", "m_editDef", "m_editDamage"};
    return names[static_cast<int>(e)];
}
const char* ObjectName(DropDown d) {
    static constexpr const char* names[] = {"m_cmbKovRate", "m_cmbHitRate", "m_cmbHitCount",
                                            "m_cmbLinkCount"};
    return names[static_cast<int>(d)];
}
const char* ObjectName(Check c) {
    static constexpr const char* names[] = {"m_chkUnDefence", "m_chkAirier",     "m_chkCore",
                                            "m_chkCounter",   "m_chkDouble",     "m_chkLinkTrap",
                                            "m_chkLongRange", "m_chkRapidChain", "m_chkOption"};
    return names[static_cast<int>(c)];
}
const char* ObjectName(Push p) {
    static constexpr const char* names[] = {"m_btnAdd",   "m_btnModify", "m_btnRemove",
                                            "m_btnClear", "m_btnOutput", "m_btnDown",
                                            "m_btnUp",    "m_btnTheory"};
    return names[static_cast<int>(p)];
}
const char* ObjectName(Radio r) {
    static constexpr const char* names[] = {"m_rdoCeil",  "m_rdoWall", "m_rdoFloor",
                                            "m_rdoExtra", "m_rdoOn",   "m_rdoOff"};
    return names[static_cast<int>(r)];
}
std::string ObjectName(Focus f) {
    switch (f.kind) {
    case Focus::Kind::None:
        return "(none)";
    case Focus::Kind::Edit:
        return ObjectName(static_cast<Edit>(f.index));
    case Focus::Kind::DropDown:
        return ObjectName(static_cast<DropDown>(f.index));
    case Focus::Kind::Check:
        return ObjectName(static_cast<Check>(f.index));
    case Focus::Kind::Push:
        return ObjectName(static_cast<Push>(f.index));
    case Focus::Kind::Radio:
        return ObjectName(static_cast<Radio>(f.index));
    case Focus::Kind::List:
        return "m_listCombo";
    }
    return "?";
}

const std::vector<std::string>& DropDownItems(DropDown d) {
    static const std::vector<std::string> kov = {
        "0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5",
        "1.6", "1.7", "1.8", "1.9", "2.0", "2.1", "2.3", "2.5", "2.8", "3.2", "4.0"};
    static const std::vector<std::string> hit = {"0.990", "0.980", "0.970", "0.960", "0.950",
                                                 "0.940", "0.930", "0.920", "0.910", "0.900",
                                                 "0.890", "0.880", "0.870", "0.860", "0.850"};
    static const std::vector<std::string> count = [] {
        std::vector<std::string> items;
        for (int n = 1; n <= 15; ++n)
            items.push_back(std::to_string(n));
        return items;
    }();
    static const std::vector<std::string> links = [] {
        std::vector<std::string> items;
        for (int n = 2; n <= 11; ++n)
            items.push_back(std::to_string(n));
        return items;
    }();
    switch (d) {
    case DropDown::KovRate:
        return kov;
    case DropDown::HitRate:
        return hit;
    case DropDown::HitCount:
        return count;
    case DropDown::LinkCount:
        return links;
    }
    return kov;
}

FilterOutcome ExpectedFilter(std::u16string_view text) {
    FilterOutcome out;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9')
        ++digits;
    out.kept = std::u16string(text.substr(0, digits));
    // Count the characters of the rest, reading forwards.
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]))
            ++i;
        ++out.removed;
    }
    return out;
}

ComboState Model::Scored() const {
    ComboState state;
    state.m_nSel = sel;
    state.m_nLast = Last();
    state.m_nHp = hp;
    state.m_nDef = def;
    state.m_bReal = real ? 1 : 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        state.m_table[i] = rows[i];
    ScoreCombo(state);
    return state;
}

std::vector<std::string> Model::ListLines() const {
    const ComboState scored = Scored();
    std::vector<std::string> lines;
    for (int row = 0; row <= Last(); ++row) {
        const auto r = static_cast<std::size_t>(row);
        lines.push_back(reference::RowLine(row, scored.m_table[r], scored.m_results[r]));
    }
    return lines;
}

std::string Model::ReportBlock() const {
    return reference::ResultsBlock(Scored(), ListLines());
}

void Model::MirrorCheck(Check c) {
    const int on = checks[static_cast<int>(c)] ? 1 : 0;
    switch (c) {
    case Check::UnDefence:
        entry.m_bUnDefence = on;
        break;
    case Check::Airier:
        entry.m_bAirier = on;
        break;
    case Check::Core:
        entry.m_bCore = on;
        dropEnabled[static_cast<int>(DropDown::HitRate)] = !on;
        break;
    case Check::Counter:
        entry.m_bCounter = on;
        break;
    case Check::Double:
        entry.m_bDouble = on;
        break;
    case Check::LinkTrap:
        entry.m_bLinkTrap = on;
        dropEnabled[static_cast<int>(DropDown::LinkCount)] = on;
        if (!on)
            dropIndex[static_cast<int>(DropDown::LinkCount)] = -1;
        break;
    case Check::LongRange:
        entry.m_bLongRange = on;
        break;
    case Check::RapidChain:
        entry.m_bRapidChain = on;
        break;
    case Check::Option:
        entry.m_bOption = on;
        break;
    }
}

void Model::MirrorRadio(Radio r) {
    switch (r) {
    case Radio::Ceil:
    case Radio::Wall:
    case Radio::Floor:
    case Radio::Extra:
        type = static_cast<int>(r) + 1;
        entry.m_nType = type;
        break;
    case Radio::On:
    case Radio::Off:
        calcOn = r == Radio::On;
        entry.m_bCalculate = calcOn ? 1 : 0;
        break;
    }
}

void Model::AfterEditChange(Edit e, bool changed) {
    if (!changed)
        return;
    std::u16string& text = edits[static_cast<int>(e)];
    const FilterOutcome outcome = ExpectedFilter(text);
    beeps += outcome.removed;
    text = outcome.kept;
    if (e == Edit::Damage && !text.empty())
        entry.m_nDamage = DigitsValue(text);
}

void Model::Type(Edit e, const Caret& caret, const std::vector<EditKey>& keys) {
    focus = {Focus::Kind::Edit, static_cast<int>(e)};
    std::u16string& text = edits[static_cast<int>(e)];
    const int length = static_cast<int>(text.size());
    int cursor = length;
    int anchor = length;
    switch (caret.kind) {
    case Caret::Kind::Keep:
        cursor = anchor = cursors[static_cast<int>(e)];
        break;
    case Caret::Kind::End:
        break;
    case Caret::Kind::Home:
        cursor = anchor = 0;
        break;
    case Caret::Kind::SelectAll:
        anchor = 0;
        break;
    case Caret::Kind::Middle:
        cursor = anchor = std::max(0, length - caret.offset);
        break;
    }

    const auto dropSelection = [&] {
        const int from = std::min(cursor, anchor);
        const int to = std::max(cursor, anchor);
        text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
        cursor = anchor = from;
    };

    for (const EditKey& key : keys) {
        bool changed = false;
        switch (key.kind) {
        case EditKey::Kind::Text:
        case EditKey::Kind::Paste:
        case EditKey::Kind::Ime: {
            if (cursor != anchor) {
                dropSelection();
                changed = true;
            }
            const std::size_t room = kEditLimit - text.size();
            const std::u16string inserted = key.text.substr(0, room);
            if (!inserted.empty()) {
                text.insert(static_cast<std::size_t>(cursor), inserted);
                cursor = anchor = cursor + static_cast<int>(inserted.size());
                changed = true;
            }
            break;
        }
        case EditKey::Kind::Backspace:
            if (cursor != anchor) {
                dropSelection();
                changed = true;
            } else if (cursor > 0) {
                text.erase(static_cast<std::size_t>(cursor - 1), 1);
                cursor = anchor = cursor - 1;
                changed = true;
            }
            break;
        case EditKey::Kind::Delete:
            if (cursor != anchor) {
                dropSelection();
                changed = true;
            } else if (cursor < static_cast<int>(text.size())) {
                text.erase(static_cast<std::size_t>(cursor), 1);
                changed = true;
            }
            break;
        case EditKey::Kind::Left:
            cursor = anchor = std::max(0, cursor - 1);
            break;
        case EditKey::Kind::Right:
            cursor = anchor = std::min(static_cast<int>(text.size()), cursor + 1);
            break;
        case EditKey::Kind::Home:
            cursor = anchor = 0;
            break;
        case EditKey::Kind::End:
            cursor = anchor = static_cast<int>(text.size());
            break;
        }
        const std::size_t before = text.size();
        AfterEditChange(e, changed);
        // A cut leaves the caret at the end of what is left.
        if (text.size() != before)
            cursor = anchor = static_cast<int>(text.size());
    }
    cursors[static_cast<int>(e)] = cursor;
}

void Model::ClickPush(Push p) {
    if (!pushEnabled[static_cast<int>(p)])
        return; // a disabled button takes neither the click nor the focus
    focus = {Focus::Kind::Push, static_cast<int>(p)};
    RunPush(p);
}

void Model::ClickCheck(Check c) {
    checks[static_cast<int>(c)] = !checks[static_cast<int>(c)];
    focus = {Focus::Kind::Check, static_cast<int>(c)};
    MirrorCheck(c);
}

void Model::ClickRadio(Radio r) {
    // An auto radio button is checked by the click and unchecks its group.
    focus = {Focus::Kind::Radio, static_cast<int>(r)};
    MirrorRadio(r);
}

void Model::Choose(DropDown d, int index) {
    if (!dropEnabled[static_cast<int>(d)])
        return;
    focus = {Focus::Kind::DropDown, static_cast<int>(d)};
    dropIndex[static_cast<int>(d)] = index;
}

void Model::ClickLine(int line) {
    focus = {Focus::Kind::List, 0};
    // Every choice of a line reaches the handler, the line already selected
    // included; the blank part of the list is no choice.
    if (line < 0 || line > Last())
        return;
    listSel = line;
    OnSelchangeList(line);
}

void Model::ListKeys(int line, int moves) {
    ClickLine(line);
    // Each arrow key chooses the line it lands on, which at either end is
    // the line it started from.
    for (; moves != 0; moves += moves > 0 ? -1 : 1) {
        listSel = std::clamp(listSel + (moves > 0 ? 1 : -1), 0, Last());
        OnSelchangeList(listSel);
    }
}

void Model::PressEnter() {
    // A push button with the focus takes Enter itself; anywhere else Enter
    // goes to the default button, Add.
    if (focus.kind == Focus::Kind::Push) {
        RunPush(static_cast<Push>(focus.index));
        return;
    }
    if (pushEnabled[static_cast<int>(Push::Add)])
        RunPush(Push::Add);
}

void Model::PressSpace() {
    switch (focus.kind) {
    case Focus::Kind::Edit:
        Type(static_cast<Edit>(focus.index), Caret{Caret::Kind::Keep, 0},
             {EditKey{EditKey::Kind::Text, u" "}});
        break;
    case Focus::Kind::Check:
        ClickCheck(static_cast<Check>(focus.index));
        break;
    case Focus::Kind::Radio:
        ClickRadio(static_cast<Radio>(focus.index));
        break;
    case Focus::Kind::Push:
        RunPush(static_cast<Push>(focus.index));
        break;
    default:
        break;
    }
}

void Model::RadioArrow(bool forward) {
    const int r = focus.index;
    const bool typeGroup = r <= static_cast<int>(Radio::Extra);
    const int first = typeGroup ? 0 : 4;
    const int size = typeGroup ? 4 : 2;
    const int next = first + ((r - first + (forward ? 1 : size - 1)) % size);
    ClickRadio(static_cast<Radio>(next));
}

Content Model::Snap() const {
    return Content{rows, hp, def, real};
}

void Model::Record(const Content& before) {
    if (Snap() == before)
        return;
    undo.push_back(before);
    if (undo.size() > kUndoSteps)
        undo.pop_front();
    redo.clear();
}

void Model::Show(const Content& content) {
    rows = content.rows;
    hp = content.hp;
    def = content.def;
    real = content.real;
    sel = -1;
    const auto showEnemy = [this] {
        for (Edit e : {Edit::Hp, Edit::Def}) {
            auto& text = edits[static_cast<int>(e)];
            text = DigitsText(e == Edit::Hp ? hp : def);
            cursors[static_cast<int>(e)] = static_cast<int>(text.size());
        }
    };
    if (rows.empty()) {
        // As after Clear, with the mode on the caption and enemy data
        // other than the fresh zeros in the edits.
        entry = DefaultEntry();
        ResetForm();
        captionReal = real;
        if (hp != 0 || def != 0)
            showEnemy();
        return;
    }
    Recalculate();
    for (Push p : {Push::Clear, Push::Output, Push::Theory})
        pushEnabled[static_cast<int>(p)] = true;
    pushEnabled[static_cast<int>(Push::Down)] = false;
    pushEnabled[static_cast<int>(Push::Up)] = false;
    captionReal = real;
    showEnemy();
    focus = {Focus::Kind::Radio, static_cast<int>(Radio::Ceil)};
}

void Model::Undo(bool byKey) {
    if (undo.empty()) {
        beeps += byKey;
        return;
    }
    redo.push_back(Snap());
    const Content back = undo.back();
    undo.pop_back();
    Show(back);
}

void Model::Redo(bool byKey) {
    if (redo.empty()) {
        beeps += byKey;
        return;
    }
    undo.push_back(Snap());
    const Content again = redo.back();
    redo.pop_back();
    Show(again);
}

void Model::DeleteLine(int line) {
    ClickLine(line);
    if (listSel < 0) {
        ++beeps;
        return;
    }
    const Content before = Snap();
    Content after = before;
    after.rows.erase(after.rows.begin() + listSel);
    Show(after);
    Record(before);
}

void Model::DuplicateLine(int line) {
    ClickLine(line);
    if (listSel < 0 || Last() == kLastRow) {
        ++beeps;
        return;
    }
    const Content before = Snap();
    Content after = before;
    after.rows.insert(after.rows.begin() + listSel + 1,
                      after.rows[static_cast<std::size_t>(listSel)]);
    Show(after);
    Record(before);
}

void Model::Save() {
    saved = Snap();
}

void Model::OpenSaved(Answer answer) {
    if (saved && *saved != Snap()) {
        ++questions;
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Save)
            saved = Snap();
    }
    const Content before = Snap();
    Show(*saved);
    Record(before);
}

void Model::RunPush(Push p) {
    const Content before = Snap();
    switch (p) {
    case Push::Add:
        OnOK();
        break;
    case Push::Modify:
        OnModify();
        break;
    case Push::Remove:
        OnRemove();
        break;
    case Push::Clear:
        OnClear();
        break;
    case Push::Output:
        ++outputs;
        break;
    case Push::Down:
        OnDown();
        break;
    case Push::Up:
        OnUp();
        break;
    case Push::Theory:
        OnTheory();
        break;
    }
    if (p != Push::Output)
        Record(before);
}

bool Model::Validate() {
    const auto refuse = [this](Focus f) {
        ++beeps;
        focus = f;
        return false;
    };
    for (Edit e : {Edit::Hp, Edit::Def, Edit::Damage}) {
        if (edits[static_cast<int>(e)].empty())
            return refuse({Focus::Kind::Edit, static_cast<int>(e)});
    }
    const auto box = [](DropDown d) { return Focus{Focus::Kind::DropDown, static_cast<int>(d)}; };
    if (dropIndex[static_cast<int>(DropDown::KovRate)] < 0)
        return refuse(box(DropDown::KovRate));
    if (dropIndex[static_cast<int>(DropDown::HitRate)] < 0 &&
        !checks[static_cast<int>(Check::Core)])
        return refuse(box(DropDown::HitRate));
    if (dropIndex[static_cast<int>(DropDown::HitCount)] < 0)
        return refuse(box(DropDown::HitCount));
    if (dropIndex[static_cast<int>(DropDown::LinkCount)] < 0 &&
        checks[static_cast<int>(Check::LinkTrap)])
        return refuse(box(DropDown::LinkCount));
    return true;
}

// The capture and the placement: the form's entry goes into `count` rows
// from `start` on; a group longer than one hit first ends the combo after
// `start`; hits beyond row 14 are dropped.
void Model::Place(int start) {
    hp = DigitsValue(edits[static_cast<int>(Edit::Hp)]);
    def = DigitsValue(edits[static_cast<int>(Edit::Def)]);
    const int count = dropIndex[static_cast<int>(DropDown::HitCount)] + 1;
    entry.m_dKovRate =
        kKovRates[static_cast<std::size_t>(dropIndex[static_cast<int>(DropDown::KovRate)])];
    entry.m_dHitRate =
        entry.m_bCore
            ? 1.0
            : kHitRates[static_cast<std::size_t>(dropIndex[static_cast<int>(DropDown::HitRate)])];
    entry.m_nLinkCount =
        entry.m_bLinkTrap ? dropIndex[static_cast<int>(DropDown::LinkCount)] + 2 : 0;

    if (count > 1 && static_cast<int>(rows.size()) > start + 1)
        rows.resize(static_cast<std::size_t>(start + 1));
    for (int i = 0; i < count && start + i < kComboRows; ++i) {
        ComboEntry row = entry;
        row.m_bUsed = 1;
        row.m_nHitsLeft = count - i;
        const auto r = static_cast<std::size_t>(start + i);
        if (r < rows.size())
            rows[r] = row;
        else
            rows.push_back(row);
    }
}

void Model::ShowEntry(const ComboEntry& e) {
    type = e.m_nType;
    edits[static_cast<int>(Edit::Damage)] = DigitsText(e.m_nDamage);
    cursors[static_cast<int>(Edit::Damage)] =
        static_cast<int>(edits[static_cast<int>(Edit::Damage)].size());
    auto& index = dropIndex;
    index[static_cast<int>(DropDown::KovRate)] =
        FirstStartingWith(DropDown::KovRate, Fixed(e.m_dKovRate, 1));
    if (index[static_cast<int>(DropDown::KovRate)] < 0)
        index[static_cast<int>(DropDown::KovRate)] = 5;
    index[static_cast<int>(DropDown::HitRate)] =
        std::max(0, FirstStartingWith(DropDown::HitRate, Fixed(e.m_dHitRate, 3)));
    dropEnabled[static_cast<int>(DropDown::HitRate)] = !e.m_bCore;
    index[static_cast<int>(DropDown::HitCount)] =
        std::max(0, FirstStartingWith(DropDown::HitCount, std::to_string(e.m_nHitsLeft)));
    checks[static_cast<int>(Check::UnDefence)] = e.m_bUnDefence;
    checks[static_cast<int>(Check::Airier)] = e.m_bAirier;
    checks[static_cast<int>(Check::Core)] = e.m_bCore;
    checks[static_cast<int>(Check::Counter)] = e.m_bCounter;
    checks[static_cast<int>(Check::Double)] = e.m_bDouble;
    checks[static_cast<int>(Check::LinkTrap)] = e.m_bLinkTrap;
    checks[static_cast<int>(Check::LongRange)] = e.m_bLongRange;
    checks[static_cast<int>(Check::RapidChain)] = e.m_bRapidChain;
    checks[static_cast<int>(Check::Option)] = e.m_bOption;
    index[static_cast<int>(DropDown::LinkCount)] =
        e.m_bLinkTrap ? FirstStartingWith(DropDown::LinkCount, std::to_string(e.m_nLinkCount)) : -1;
    dropEnabled[static_cast<int>(DropDown::LinkCount)] = e.m_bLinkTrap != 0;
    calcOn = e.m_bCalculate != 0;
    entry = e;
}

void Model::Recalculate() {
    const ComboState scored = Scored();
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].m_bJk = scored.m_table[i].m_bJk;
    // The list is rebuilt without a selection and the form shows a fresh entry.
    listSel = -1;
    ShowEntry(DefaultEntry());
    pushEnabled[static_cast<int>(Push::Modify)] = false;
    pushEnabled[static_cast<int>(Push::Remove)] = false;
    pushEnabled[static_cast<int>(Push::Add)] = Last() < kLastRow;
    focus = {Focus::Kind::Push, static_cast<int>(Push::Clear)};
}

void Model::ResetForm() {
    listSel = -1;
    calcOn = true;
    type = kTrapCeil;
    checks = {};
    pushEnabled = {true, false, false, false, false, false, false, false};
    captionReal = false;
    edits = {};
    cursors = {};
    dropIndex = {5, 0, 0, -1};
    dropEnabled = {true, true, true, false};
    focus = {Focus::Kind::Edit, static_cast<int>(Edit::Hp)};
}

void Model::OnOK() {
    if (!Validate())
        return;
    Place(Last() + 1);
    Recalculate();
    for (Push p : {Push::Clear, Push::Output, Push::Theory})
        pushEnabled[static_cast<int>(p)] = true;
    pushEnabled[static_cast<int>(Push::Down)] = false;
    pushEnabled[static_cast<int>(Push::Up)] = false;
    focus = {Focus::Kind::Radio, static_cast<int>(Radio::Ceil)};
}

void Model::OnModify() {
    if (!Validate())
        return;
    Place(sel);
    Recalculate();
    pushEnabled[static_cast<int>(Push::Clear)] = true;
    pushEnabled[static_cast<int>(Push::Output)] = true;
    pushEnabled[static_cast<int>(Push::Down)] = false;
    pushEnabled[static_cast<int>(Push::Up)] = false;
    focus = {Focus::Kind::Radio, static_cast<int>(Radio::Ceil)};
}

void Model::OnRemove() {
    const int line = listSel;
    if (line < 0) {
        ++beeps;
        return;
    }
    if (line == 0) {
        OnClear();
        return;
    }
    rows.resize(static_cast<std::size_t>(line));
    entry = DefaultEntry();
    Recalculate();
    pushEnabled[static_cast<int>(Push::Add)] = true;
    pushEnabled[static_cast<int>(Push::Down)] = false;
    pushEnabled[static_cast<int>(Push::Up)] = false;
    focus = {Focus::Kind::Radio, static_cast<int>(Radio::Ceil)};
}

void Model::OnClear() {
    rows.clear();
    sel = -1;
    hp = def = 0;
    real = false;
    entry = DefaultEntry();
    ResetForm();
}

void Model::OnDown() {
    const int line = listSel;
    if (line < 0 || line >= Last()) {
        ++beeps; // no line, or the last row of the combo: nothing below it
        return;
    }
    const int moved = line + 1;
    std::swap(rows[static_cast<std::size_t>(line)], rows[static_cast<std::size_t>(moved)]);
    Recalculate();
    if (moved == kLastRow) {
        focus = {Focus::Kind::Radio, static_cast<int>(Radio::Ceil)};
        return;
    }
    listSel = moved;
    OnSelchangeList(moved);
    focus = {Focus::Kind::Push, static_cast<int>(Push::Down)};
}

void Model::OnUp() {
    const int line = listSel;
    if (line <= 0) {
        ++beeps;
        return;
    }
    const int moved = line - 1;
    std::swap(rows[static_cast<std::size_t>(line)], rows[static_cast<std::size_t>(moved)]);
    Recalculate();
    listSel = moved;
    OnSelchangeList(moved);
    focus = {Focus::Kind::Push, static_cast<int>(Push::Up)};
}

void Model::OnTheory() {
    if (!Validate())
        return;
    real = !real;
    captionReal = real;
    hp = DigitsValue(edits[static_cast<int>(Edit::Hp)]);
    def = DigitsValue(edits[static_cast<int>(Edit::Def)]);
    Recalculate();
    focus = {Focus::Kind::Push, static_cast<int>(Push::Theory)};
}

void Model::OnSelchangeList(int line) {
    sel = line;
    ShowEntry(rows[static_cast<std::size_t>(line)]);
    for (Push p : {Push::Remove, Push::Modify, Push::Down, Push::Up})
        pushEnabled[static_cast<int>(p)] = true;
}

} // namespace randomtest
