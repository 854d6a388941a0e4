// SPDX-License-Identifier: MIT
// The page's way into the core: the workbench and its view updates, the list
// lines, the report, combo texts, share links and Best Order, as embind
// bindings. Nothing here decides anything the desktop window would decide
// differently; it only turns the core's records into plain script values.
#include "web/src/ShareLink.h"

#include "files/ComboFileFormat.h"
#include "files/ComboFileReader.h"
#include "files/ComboFileWriter.h"
#include "report/BestOrderSummary.h"
#include "report/ComboReport.h"
#include "scoring/BestOrder.h"
#include "text/DigitFilter.h"
#include "text/ModeName.h"
#include "text/NumberFormat.h"
#include "text/RowLine.h"
#include "window/templates/DialogTemplate.h"
#include "workbench/ComboWorkbench.h"
#include "workbench/EntryCheck.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

// The element ids of the page are the window's object names.
const char* ControlId(ControlRole role) {
    switch (role) {
    case ControlRole::None: return "";
    case ControlRole::Hp: return "m_editHp";
    case ControlRole::Def: return "m_editDef";
    case ControlRole::Damage: return "m_editDamage";
    case ControlRole::Ceil: return "m_rdoCeil";
    case ControlRole::KovRate: return "m_cmbKovRate";
    case ControlRole::HitRate: return "m_cmbHitRate";
    case ControlRole::HitCount: return "m_cmbHitCount";
    case ControlRole::LinkCount: return "m_cmbLinkCount";
    case ControlRole::Add: return "m_btnAdd";
    case ControlRole::Modify: return "m_btnModify";
    case ControlRole::Remove: return "m_btnRemove";
    case ControlRole::Clear: return "m_btnClear";
    case ControlRole::Output: return "m_btnOutput";
    case ControlRole::Down: return "m_btnDown";
    case ControlRole::Up: return "m_btnUp";
    case ControlRole::Theory: return "m_btnTheory";
    }
    return "";
}

val ToJs(const ViewUpdate& update) {
    val out = val::object();
    out.set("beep", update.beep);
    out.set("resetForm", update.resetForm);
    out.set("rebuildList", update.rebuildList);
    out.set("selectLine", update.selectLine ? *update.selectLine : -1);
    val buttons = val::object();
    const auto put = [&buttons](const char* id, const std::optional<bool>& state) {
        if (state)
            buttons.set(id, *state);
    };
    put("m_btnAdd", update.buttons.add);
    put("m_btnModify", update.buttons.modify);
    put("m_btnRemove", update.buttons.remove);
    put("m_btnClear", update.buttons.clear);
    put("m_btnOutput", update.buttons.output);
    put("m_btnDown", update.buttons.down);
    put("m_btnUp", update.buttons.up);
    put("m_btnTheory", update.buttons.theory);
    out.set("buttons", buttons);
    if (update.modeCaption)
        out.set("modeCaption", std::string(ModeName(*update.modeCaption)));
    else
        out.set("modeCaption", val::null());
    out.set("showEnemyData", update.showEnemyData);
    out.set("focus", std::string(ControlId(update.focus)));
    return out;
}

val EntryToJs(const ComboEntry& e) {
    val out = val::object();
    out.set("type", e.m_nType);
    out.set("damage", e.m_nDamage);
    out.set("kovRate", e.m_dKovRate);
    out.set("hitRate", e.m_dHitRate);
    // The texts the form's lists are matched against, as the window forms them.
    out.set("kovRateText", FormatFixed(e.m_dKovRate, 1));
    out.set("hitRateText", FormatFixed(e.m_dHitRate, 3));
    out.set("hitsLeft", static_cast<double>(static_cast<std::uint32_t>(e.m_nHitsLeft)));
    for (const combofile::FlagKey& flag : combofile::kFlagKeys)
        out.set(std::string(flag.name), e.*flag.field);
    out.set("linkCount", static_cast<double>(static_cast<std::uint32_t>(e.m_nLinkCount)));
    return out;
}

// A file's refusal names the file first, as the command line does; a link's
// has no name to give.
std::string ErrorText(const std::string& name, const ComboFileError& error) {
    if (!name.empty())
        return FormatComboFileError(name, error);
    return error.where.empty() ? error.reason : error.where + ": " + error.reason;
}

class WebWorkbench {
public:
    val Add(val capture) { return ToJs(m_bench.Add(Capture(capture))); }
    val Modify(val capture) { return ToJs(m_bench.Modify(Capture(capture))); }
    val Remove(int line) { return ToJs(m_bench.Remove(line)); }
    val Clear() { return ToJs(m_bench.Clear()); }
    val Move(int line, bool down) {
        return ToJs(m_bench.Move(line, down ? MoveDirection::Down : MoveDirection::Up));
    }
    val SwitchMode(int hp, int def) { return ToJs(m_bench.SwitchMode(hp, def)); }
    val SelectLine(int line) { return ToJs(m_bench.SelectLine(line)); }
    val Undo() { return ToJs(m_bench.Undo()); }
    val Redo() { return ToJs(m_bench.Redo()); }
    val DeleteLine(int line) { return ToJs(m_bench.DeleteLine(line)); }
    val DuplicateLine(int line) { return ToJs(m_bench.DuplicateLine(line)); }
    val New() { return ToJs(m_bench.New()); }

    bool CanModify() const { return m_bench.CanModify(); }

    bool IsEnabled(const std::string& command, int selectedLine) const {
        static const std::pair<const char*, WorkbenchCommand> kCommands[] = {
            {"undo", WorkbenchCommand::Undo},
            {"redo", WorkbenchCommand::Redo},
            {"deleteLine", WorkbenchCommand::DeleteLine},
            {"duplicateLine", WorkbenchCommand::DuplicateLine},
            {"copyReport", WorkbenchCommand::CopyReport},
            {"bestOrder", WorkbenchCommand::BestOrder},
        };
        for (const auto& [name, id] : kCommands) {
            if (command == name)
                return m_bench.IsEnabled(id, selectedLine);
        }
        return false;
    }
    std::string UndoLabel() const { return m_bench.UndoLabel(); }
    std::string RedoLabel() const { return m_bench.RedoLabel(); }

    // The Trap Data controls write the working entry as they change.
    void SetEntry(const std::string& field, int value) {
        ComboEntry& e = m_bench.WorkingEntry();
        if (field == "type") {
            e.m_nType = value;
        } else if (field == "damage") {
            e.m_nDamage = value;
        } else {
            for (const combofile::FlagKey& flag : combofile::kFlagKeys) {
                if (field == flag.name)
                    e.*flag.field = value;
            }
        }
    }
    val Entry() { return EntryToJs(m_bench.WorkingEntry()); }

    val State() const {
        const ComboState& s = m_bench.State();
        val out = val::object();
        out.set("last", s.m_nLast);
        out.set("sel", s.m_nSel);
        out.set("hp", s.m_nHp);
        out.set("def", s.m_nDef);
        out.set("real", s.m_bReal);
        return out;
    }
    val Lines() const {
        val out = val::array();
        for (const std::string& line : ComboListLines(m_bench.State()))
            out.call<void>("push", line);
        return out;
    }
    std::string Report() const { return BuildComboReport(m_bench.State()); }
    std::string ComboFile() const { return SerializeComboFile(m_bench.State()); }
    std::string ShareCode() const { return EncodeShareLink(m_bench.State()); }

    // Open and Share Link read a text the page was handed; a refused text
    // changes nothing and says why.
    val OpenText(const std::string& text, const std::string& name) {
        return Take("Open", ParseComboFile(text), name);
    }
    val OpenShareCode(const std::string& fragment) {
        return Take("Open Link", DecodeShareLink(fragment), "");
    }
    // The Best Order a worker found, as the combo text it sent back.
    val TakeBestOrder(const std::string& found) {
        ComboFileResult read = ParseComboFile(found);
        BestOrderResult result;
        if (auto* state = std::get_if<ComboState>(&read)) {
            result.improved = true;
            result.state = *state;
        }
        return ToJs(m_bench.TakeBestOrder(result));
    }

private:
    static EntryCapture Capture(val c) {
        EntryCapture capture;
        capture.hp = c["hp"].as<int>();
        capture.def = c["def"].as<int>();
        capture.hitCount = c["hitCount"].as<int>();
        capture.kovRate = c["kovRate"].as<double>();
        capture.hitRate = c["hitRate"].as<double>();
        capture.linkCount = c["linkCount"].as<int>();
        return capture;
    }

    template <class Result>
    val Take(const char* label, Result read, const std::string& name) {
        val out = val::object();
        if (auto* error = std::get_if<ComboFileError>(&read)) {
            out.set("error", ErrorText(name, *error));
            return out;
        }
        out.set("update", ToJs(m_bench.Restore(label, std::get<ComboState>(read))));
        return out;
    }

    ComboWorkbench m_bench;
};

// Runs in the page's worker: the whole search on a combo text.
val FindBestOrderIn(const std::string& comboText) {
    val out = val::object();
    ComboFileResult read = ParseComboFile(comboText);
    if (auto* error = std::get_if<ComboFileError>(&read)) {
        out.set("error", ErrorText("combo", *error));
        return out;
    }
    const BestOrderResult result = FindBestOrder(std::get<ComboState>(read));
    out.set("units", result.units);
    out.set("improved", result.improved);
    out.set("message", BestOrderSummary(result));
    out.set("combo", result.improved ? SerializeComboFile(result.state) : std::string());
    return out;
}

val MissingField(val form) {
    FormReading reading;
    reading.hpEmpty = form["hpEmpty"].as<bool>();
    reading.defEmpty = form["defEmpty"].as<bool>();
    reading.damageEmpty = form["damageEmpty"].as<bool>();
    reading.kovRateChosen = form["kovRateChosen"].as<bool>();
    reading.hitRateChosen = form["hitRateChosen"].as<bool>();
    reading.hitCountChosen = form["hitCountChosen"].as<bool>();
    reading.linkCountChosen = form["linkCountChosen"].as<bool>();
    reading.core = form["core"].as<bool>();
    reading.linkTrap = form["linkTrap"].as<bool>();
    return val(std::string(ControlId(MissingEntryField(reading))));
}

// The window's template, so that the page lays out the very same items.
val MainTemplate() {
    const DialogTemplate& t = MainDialogTemplate();
    static const char* const kKinds[] = {"static",       "group", "edit",
                                         "list",         "dropdown", "radio",
                                         "check",        "button", "icon"};
    val items = val::array();
    for (const DialogItem& item : t.items) {
        val v = val::object();
        v.set("kind", std::string(kKinds[static_cast<int>(item.kind)]));
        v.set("id", item.id);
        v.set("caption", std::string(item.caption));
        v.set("x", item.x);
        v.set("y", item.y);
        v.set("cx", item.cx);
        v.set("cy", item.cy);
        v.set("style", item.style);
        v.set("name", std::string(item.objectName));
        v.set("accessibleName",
              item.accessibleName ? val(std::string(item.accessibleName)) : val::null());
        items.call<void>("push", v);
    }
    val lists = val::object();
    for (const InitialList& list : t.lists) {
        val texts = val::array();
        for (const char* text : list.items)
            texts.call<void>("push", std::string(text));
        lists.set(list.id, texts);
    }
    val out = val::object();
    out.set("title", std::string(t.title));
    out.set("cx", t.cx);
    out.set("cy", t.cy);
    out.set("pointSize", t.pointSize);
    out.set("items", items);
    out.set("lists", lists);
    out.set("header", std::string(kColumnHeader));
    return out;
}

// One pass of the number edits' digit filter over the edit's UTF-16 text.
val DigitFilter(val codeUnits) {
    std::u16string text;
    const auto units = emscripten::vecFromJSArray<int>(codeUnits);
    for (int unit : units)
        text.push_back(static_cast<char16_t>(unit));
    const DigitFilterStep step = DigitFilterStepFor(text);
    static const char* const kActions[] = {"nothing", "store", "cut"};
    val out = val::object();
    out.set("action", std::string(kActions[static_cast<int>(step.action)]));
    out.set("value", step.value);
    out.set("keep", static_cast<int>(step.keep));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(kov) {
    emscripten::class_<WebWorkbench>("Workbench")
        .constructor<>()
        .function("add", &WebWorkbench::Add)
        .function("modify", &WebWorkbench::Modify)
        .function("remove", &WebWorkbench::Remove)
        .function("clear", &WebWorkbench::Clear)
        .function("move", &WebWorkbench::Move)
        .function("switchMode", &WebWorkbench::SwitchMode)
        .function("selectLine", &WebWorkbench::SelectLine)
        .function("undo", &WebWorkbench::Undo)
        .function("redo", &WebWorkbench::Redo)
        .function("deleteLine", &WebWorkbench::DeleteLine)
        .function("duplicateLine", &WebWorkbench::DuplicateLine)
        .function("newCombo", &WebWorkbench::New)
        .function("canModify", &WebWorkbench::CanModify)
        .function("isEnabled", &WebWorkbench::IsEnabled)
        .function("undoLabel", &WebWorkbench::UndoLabel)
        .function("redoLabel", &WebWorkbench::RedoLabel)
        .function("setEntry", &WebWorkbench::SetEntry)
        .function("entry", &WebWorkbench::Entry)
        .function("state", &WebWorkbench::State)
        .function("lines", &WebWorkbench::Lines)
        .function("report", &WebWorkbench::Report)
        .function("comboFile", &WebWorkbench::ComboFile)
        .function("shareCode", &WebWorkbench::ShareCode)
        .function("openText", &WebWorkbench::OpenText)
        .function("openShareCode", &WebWorkbench::OpenShareCode)
        .function("takeBestOrder", &WebWorkbench::TakeBestOrder);
    emscripten::function("findBestOrder", &FindBestOrderIn);
    emscripten::function("missingField", &MissingField);
    emscripten::function("mainTemplate", &MainTemplate);
    emscripten::function("digitFilter", &DigitFilter);
    emscripten::constant("numberEditLength", kNumberEditLength);
    emscripten::constant("digitFilterReadLength", static_cast<int>(kDigitFilterReadLength));
}
