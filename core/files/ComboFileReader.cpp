// SPDX-License-Identifier: MIT
#include "files/ComboFileReader.h"

#include "files/ComboFileFormat.h"
#include "files/StrictJsonParser.h"
#include "scoring/Scoring.h"
#include "text/EntryChoices.h"
#include "text/ModeName.h"

#include <cstdint>
#include <map>

namespace {

using Json = nlohmann::ordered_json;
using namespace combofile;

// A refused value; thrown from deep inside the checks, caught once.
struct Refusal {
    std::string where;
    std::string reason;
};

[[noreturn]] void Refuse(std::string where, std::string reason) {
    throw Refusal{std::move(where), std::move(reason)};
}

std::string Join(const std::string& path, std::string_view key) {
    return path + "." + PathKey(key);
}

// The value of an integer literal; one beyond the 64-bit range counts as the
// largest, which every range check refuses anyway.
std::int64_t IntegerValue(const Json& value) {
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        return n > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(n);
    }
    return value.get<std::int64_t>();
}

// Digits alone, with an optional minus: a whole number, however large.
bool IsWholeNumberText(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string RangeText(int min, int max) {
    return std::to_string(min) + ".." + std::to_string(max);
}

// The checks of one parsed file. Numbers in messages are quoted as the file
// writes them, never as the value they were read as.
class ComboChecks {
public:
    explicit ComboChecks(const std::map<std::string, std::string>& numberTexts)
        : m_numberTexts(numberTexts) {}

    ComboState Combo(const Json& root) const;

private:
    // A number as the file writes it: integers within 64 bits read back as
    // written, the others were kept by the parser.
    std::string NumberText(const Json& value, const std::string& where) const {
        return CutText(WrittenNumber(value, where));
    }

    std::string WrittenNumber(const Json& value, const std::string& where) const {
        if (value.is_number_float()) {
            if (const auto text = m_numberTexts.find(where); text != m_numberTexts.end()) {
                return text->second;
            }
        }
        return value.dump();
    }

    // A whole number, written as one, whether or not it fits in 64 bits.
    bool IsWrittenWhole(const Json& value, const std::string& where) const {
        return value.is_number_integer() ||
               (value.is_number_float() && IsWholeNumberText(WrittenNumber(value, where)));
    }

    // What a value is, for "expected ..., found ..." messages. Containers are
    // named, never printed: they may be large or deeply nested.
    std::string Describe(const Json& value, const std::string& where) const {
        switch (value.type()) {
        case Json::value_t::null:
            return "null";
        case Json::value_t::boolean:
            return value.dump();
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return NumberText(value, where);
        case Json::value_t::string:
            return "the text " + QuotedText(value.get_ref<const std::string&>());
        case Json::value_t::array:
            return "a list";
        case Json::value_t::object:
            return "an object";
        default:
            return "something else";
        }
    }

    // A whole number in min..max, written without a fraction or exponent.
    std::int32_t WholeNumber(const Json& value, const std::string& where, int min, int max) const {
        const std::string text = Describe(value, where);
        if (!IsWrittenWhole(value, where)) {
            Refuse(where, "expected a whole number, found " + text);
        }
        if (!value.is_number_integer()) {
            Refuse(where, text + " is outside " + RangeText(min, max)); // beyond 64 bits
        }
        const std::int64_t n = IntegerValue(value);
        if (n < min || n > max) {
            Refuse(where, text + " is outside " + RangeText(min, max));
        }
        return static_cast<std::int32_t>(n);
    }

    double Rate(const Json& value, const std::string& where) const {
        if (!value.is_number()) {
            Refuse(where, "expected a number, found " + Describe(value, where));
        }
        return value.get<double>();
    }

    std::int32_t Flag(const Json& value, const std::string& where) const {
        if (!value.is_boolean()) {
            Refuse(where, "expected true or false, found " + Describe(value, where));
        }
        return value.get<bool>() ? 1 : 0;
    }

    const std::string& Text(const Json& value, const std::string& where) const {
        if (!value.is_string()) {
            Refuse(where, "expected a text in double quotes, found " + Describe(value, where));
        }
        return value.get_ref<const std::string&>();
    }

    TrapType Type(const Json& value, const std::string& where) const {
        const std::string& name = Text(value, where);
        for (std::size_t i = 0; i < kTypeNames.size(); ++i) {
            if (name == kTypeNames[i]) {
                return static_cast<TrapType>(i + 1);
            }
        }
        Refuse(where, QuotedText(name) + " is not one of CEIL, WALL, FLOOR, EXTRA");
    }

    ComboEntry Hit(const Json& hit, const std::string& where) const;

    const std::map<std::string, std::string>& m_numberTexts;
};

ComboEntry ComboChecks::Hit(const Json& hit, const std::string& where) const {
    if (!hit.is_object()) {
        Refuse(where, "expected an object, found " + Describe(hit, where));
    }
    ComboEntry entry = DefaultEntry();
    const Json* hitRate = nullptr;
    const Json* linkCount = nullptr;
    for (const auto& [key, value] : hit.items()) {
        const std::string at = Join(where, key);
        if (key == "type") {
            entry.m_nType = Type(value, at);
        } else if (key == "damage") {
            entry.m_nDamage = WholeNumber(value, at, kMinValue, kMaxValue);
        } else if (key == "kovRate") {
            entry.m_dKovRate = Rate(value, at);
            if (!IsKovRateChoice(entry.m_dKovRate)) {
                Refuse(at, NumberText(value, at) + " is not one of the Kov Rate values");
            }
        } else if (key == "hitRate") {
            Rate(value, at); // its value is checked once Core is known
            hitRate = &value;
        } else if (key == "hitsLeft") {
            entry.m_nHitsLeft = WholeNumber(value, at, kMinHitCount, kMaxHitCount);
        } else if (key == "linkCount") {
            linkCount = &value; // checked once Link Trap is known: 2..11 with it, 0 without
        } else {
            bool known = false;
            for (const FlagKey& flag : kFlagKeys) {
                if (key == flag.name) {
                    entry.*flag.field = Flag(value, at);
                    known = true;
                }
            }
            if (!known) {
                Refuse(at, "unknown key " + QuotedText(key));
            }
        }
    }

    // A Core hit always carries 1, whatever the Hit Rate list showed, so a
    // Core hit may leave its hit rate out; any other value is refused.
    const std::string hitRateAt = Join(where, "hitRate");
    if (entry.m_bCore != 0) {
        entry.m_dHitRate = hitRate != nullptr ? hitRate->get<double>() : kCoreHitRate;
        if (entry.m_dHitRate != kCoreHitRate) {
            Refuse(hitRateAt, NumberText(*hitRate, hitRateAt) + " must be 1 when core is true");
        }
    } else if (hitRate != nullptr) {
        entry.m_dHitRate = hitRate->get<double>();
        if (!IsHitRateChoice(entry.m_dHitRate)) {
            Refuse(hitRateAt,
                   NumberText(*hitRate, hitRateAt) + " is not one of the Hit Rate values");
        }
    }

    const std::string linkAt = Join(where, "linkCount");
    if (entry.m_bLinkTrap != 0) {
        if (linkCount == nullptr) {
            Refuse(linkAt, "missing; a Link Trap hit needs a link count " +
                               RangeText(kMinLinkCount, kMaxLinkCount));
        }
        entry.m_nLinkCount = WholeNumber(*linkCount, linkAt, kMinLinkCount, kMaxLinkCount);
    } else if (linkCount != nullptr) {
        const std::string text = Describe(*linkCount, linkAt);
        if (!IsWrittenWhole(*linkCount, linkAt)) {
            Refuse(linkAt, "expected a whole number, found " + text);
        }
        if (!linkCount->is_number_integer() || IntegerValue(*linkCount) != 0) {
            Refuse(linkAt, text + " must be 0 when linkTrap is false");
        }
    }

    entry.m_bUsed = 1;
    entry.m_bJk = 0; // scoring sets it
    return entry;
}

ComboState ComboChecks::Combo(const Json& root) const {
    if (!root.is_object()) {
        Refuse("", "expected an object at the top level, found " + Describe(root, ""));
    }
    // The two keys that say what the file is come first, wherever they stand.
    if (!root.contains("format")) {
        Refuse("format", "missing; a combo file starts with \"format\": \"kov-combo\"");
    }
    if (const std::string& format = Text(root["format"], "format"); format != kFormat) {
        Refuse("format", QuotedText(format) + " is not \"kov-combo\"");
    }
    if (!root.contains("version")) {
        Refuse("version", "missing; expected 1");
    }
    const Json& version = root["version"];
    if (!version.is_number_integer() || IntegerValue(version) != kVersion) {
        Refuse("version",
               Describe(version, "version") + " is not a version this program reads (1)");
    }

    ComboState state;
    std::vector<ComboEntry> rows;
    for (const auto& [key, value] : root.items()) {
        const std::string at = PathKey(key);
        if (key == "format" || key == "version") {
            continue;
        } else if (key == "mode") {
            const std::string& mode = Text(value, at);
            if (mode != kTheoryModeName && mode != kRealModeName) {
                Refuse(at, QuotedText(mode) + " is not \"Theory\" or \"Real\"");
            }
            state.m_bReal = mode == kRealModeName ? 1 : 0;
        } else if (key == "hp") {
            state.m_nHp = WholeNumber(value, at, kMinValue, kMaxValue);
        } else if (key == "def") {
            state.m_nDef = WholeNumber(value, at, kMinValue, kMaxValue);
        } else if (key == "hits") {
            if (!value.is_array()) {
                Refuse(at, "expected a list, found " + Describe(value, at));
            }
            if (value.size() > static_cast<std::size_t>(kComboRows)) {
                Refuse(at, std::to_string(value.size()) + " hits; a combo has at most " +
                               std::to_string(kComboRows));
            }
            rows.clear();
            for (std::size_t i = 0; i < value.size(); ++i) {
                rows.push_back(Hit(value[i], "hits[" + std::to_string(i) + "]"));
            }
        } else {
            Refuse(at, "unknown key " + QuotedText(key));
        }
    }

    for (std::size_t i = 0; i < rows.size(); ++i) {
        state.m_table[i] = rows[i];
    }
    state.m_nLast = static_cast<int>(rows.size()) - 1;
    ScoreCombo(state);
    ClearEntry(state.m_entry);
    state.m_nSel = -1;
    return state;
}

} // namespace

ComboFileError ComboFileTooLarge() {
    return ComboFileError{0, 0, "", "the file is larger than 1 MiB"};
}

ComboFileResult ParseComboFile(std::string_view text) {
    if (text.size() > kMaxBytes) {
        return ComboFileTooLarge();
    }
    auto parsed = ParseStrictJson(text);
    if (auto* error = std::get_if<ComboFileError>(&parsed)) {
        return std::move(*error);
    }
    try {
        const JsonDocument& document = std::get<JsonDocument>(parsed);
        return ComboChecks(document.numberTexts).Combo(document.root);
    } catch (const Refusal& refusal) {
        return ComboFileError{0, 0, refusal.where, refusal.reason};
    }
}
