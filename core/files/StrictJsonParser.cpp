// SPDX-License-Identifier: MIT
#include "files/StrictJsonParser.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

// Builds the document from the parser's events, as the library's own builder
// does, and also refuses a key its object already holds.
class DocumentBuilder {
public:
    bool null() { return Add(Json(nullptr)); }
    bool boolean(bool value) { return Add(Json(value)); }
    bool number_integer(Json::number_integer_t value) { return Add(Json(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Add(Json(value)); }
    bool number_float(Json::number_float_t value, const Json::string_t& text) {
        m_numberTexts[PathOfNext()] = text;
        return Add(Json(value));
    }
    bool string(Json::string_t& value) { return Add(Json(std::move(value))); }
    bool binary(Json::binary_t& value) { return Add(Json::binary(std::move(value))); }

    bool start_object(std::size_t) { return Open(Json::object(), false); }
    bool end_object() { return Close(); }
    bool start_array(std::size_t) { return Open(Json::array(), true); }
    bool end_array() { return Close(); }

    bool key(Json::string_t& name) {
        Frame& frame = m_frames.back();
        if (!frame.keys.insert(name).second) {
            m_error.where = PathOf(PathKey(name));
            m_error.reason = "duplicate key " + QuotedText(name);
            m_placed = true;
            return false;
        }
        frame.key = name;
        return true;
    }

    bool parse_error(std::size_t position, const std::string& lastRead,
                     const nlohmann::detail::exception& ex) {
        m_syntaxPosition = position;
        if (ex.id == kNumberOverflow && !m_frames.empty()) {
            // A literal beyond any double: said with its key, as the value
            // checks say a number is out of range.
            m_error.where = PathOfNext();
            m_error.reason = CutText(lastRead) + " is too large a number";
            m_placed = true;
            return false;
        }
        if (ex.id == kNumberOverflow) {
            // The parser stands after the number; the place is its first byte.
            m_syntaxPosition = position - std::min(position, lastRead.size()) + 1;
            m_error.reason = CutText(lastRead) + " is too large a number";
            return false;
        }
        m_error.reason = Reason(ex.what(), lastRead);
        return false;
    }

    JsonDocument TakeDocument() { return {std::move(m_root), std::move(m_numberTexts)}; }
    // The error already names its place by key path, not by line and column.
    bool Placed() const { return m_placed; }
    std::size_t SyntaxPosition() const { return m_syntaxPosition; }
    ComboFileError Error() const { return m_error; }

private:
    struct Frame {
        Json* value;
        bool isArray;
        std::size_t index = 0; // elements added so far (arrays)
        std::string key;       // the key being read (objects)
        std::set<std::string> keys;
    };

    // Places a finished value into the open container (or as the root) and
    // returns where it now lives.
    Json* Place(Json&& value) {
        if (m_frames.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        Frame& frame = m_frames.back();
        if (frame.isArray) {
            frame.value->push_back(std::move(value));
            ++frame.index;
            return &frame.value->back();
        }
        Json& slot = (*frame.value)[frame.key];
        slot = std::move(value);
        return &slot;
    }

    bool Add(Json&& value) {
        Place(std::move(value));
        return true;
    }

    bool Open(Json&& container, bool isArray) {
        Json* placed = Place(std::move(container));
        m_frames.push_back(Frame{placed, isArray, 0, {}, {}});
        return true;
    }

    bool Close() {
        m_frames.pop_back();
        return true;
    }

    // The key path of the open containers followed by `last`, the innermost
    // step: hits[3].damage. Every outer container holds the open one as its
    // latest element.
    std::string PathOf(const std::string& last) const {
        std::string path;
        for (std::size_t i = 0; i + 1 < m_frames.size(); ++i) {
            path += Step(m_frames[i], m_frames[i].index - 1, path.empty());
        }
        return path + (last.front() == '[' || path.empty() ? "" : ".") + last;
    }

    // The key path of the value the parser reads next; empty at the top.
    std::string PathOfNext() const {
        if (m_frames.empty()) {
            return "";
        }
        const Frame& frame = m_frames.back();
        return PathOf(Step(frame, frame.index, true));
    }

    static std::string Step(const Frame& frame, std::size_t index, bool first) {
        if (frame.isArray) {
            return '[' + std::to_string(index) + ']';
        }
        return (first ? "" : ".") + PathKey(frame.key);
    }

    // The library's message without its own prefix and position (we give the
    // position ourselves) and without its echo of the bytes last read, which
    // may hold anything, control characters and broken UTF-8 included. The
    // echo is cut by its exact text: it may itself look like the message.
    static std::string Reason(std::string_view what, const std::string& lastRead) {
        if (const auto colon = what.find(": "); colon != std::string_view::npos) {
            what.remove_prefix(colon + 2);
        }
        std::string reason(what);
        const std::string echo = "; last read: '" + lastRead + "'";
        if (const auto at = reason.find(echo); at != std::string::npos) {
            reason.erase(at, echo.size());
        }
        return reason;
    }

    // The library's id for a number literal beyond the range of a double.
    static constexpr int kNumberOverflow = 406;

    Json m_root;
    std::map<std::string, std::string> m_numberTexts;
    std::vector<Frame> m_frames;
    bool m_placed = false;
    std::size_t m_syntaxPosition = 0;
    ComboFileError m_error;
};

} // namespace

std::string CutText(std::string_view text) {
    std::string shown(text.substr(0, kShownBytes));
    if (text.size() > kShownBytes) {
        shown += "...";
    }
    return shown;
}

std::string QuotedText(std::string_view text) {
    const bool cut = text.size() > kShownBytes;
    std::string shown(text.substr(0, kShownBytes));
    // A cut may split a UTF-8 sequence; the library refuses to quote that, so
    // broken bytes are replaced instead of failing.
    std::string quoted = Json(shown).dump(-1, ' ', true, Json::error_handler_t::replace);
    if (cut) {
        quoted.insert(quoted.size() - 1, "...");
    }
    return quoted;
}

std::string PathKey(std::string_view key) {
    const bool plain = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
    return plain && key.size() <= kShownBytes ? std::string(key) : QuotedText(key);
}

void TextPosition(std::string_view text, std::size_t offset, int& line, int& column) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const auto lineStart = before.rfind('\n');
    column =
        1 + static_cast<int>(lineStart == std::string_view::npos ? offset : offset - lineStart - 1);
}

std::variant<JsonDocument, ComboFileError> ParseStrictJson(std::string_view text) {
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        ComboFileError error{0, 0, "", "a NUL byte, which no text file holds"};
        TextPosition(text, nul, error.line, error.column);
        return error;
    }
    DocumentBuilder builder;
    if (Json::sax_parse(text, &builder, nlohmann::detail::input_format_t::json, true)) {
        return builder.TakeDocument();
    }
    ComboFileError error = builder.Error();
    if (!builder.Placed()) {
        // The parser counts the bytes it has read, the offending one
        // included; the place is that byte.
        const std::size_t position = builder.SyntaxPosition();
        TextPosition(text, position > 0 ? position - 1 : 0, error.line, error.column);
    }
    return error;
}
