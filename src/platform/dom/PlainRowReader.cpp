#include "platform/dom/PlainRowReader.h"

#include "platform/Utf8.h"
#include "platform/dom/Element.h"
#include "platform/dom/HtmlParser.h"

#include <array>
#include <charconv>
#include <string>

namespace {

// Rows gain attributes after they are read (the report marks each with its usage type and
// class): room for two more up front spares copying the list as it grows.
constexpr std::size_t RowAttributeRoom = 2;
constexpr std::size_t MaxAttributes = 16;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Characters gumbo takes as they stand: no control character but tab and line feed (a
// carriage return or form feed is rewritten, a NUL replaced), no C1 control, no
// non-character, only well-formed UTF-8.
bool isPlainCodePoint(char32_t c) {
    if (c < 0x80) {
        return (c >= 0x20 && c != 0x7F) || c == '\t' || c == '\n';
    }
    return c >= 0xA0 && !(c >= 0xFDD0 && c <= 0xFDEF) && (c & 0xFFFE) != 0xFFFE;
}

// The references the serializer writes: &amp; &lt; &gt; &quot; &nbsp; and &#N; for a code
// point above U+00FF. Moves `at` past the reference and appends its character.
bool readReference(std::string_view text, std::size_t& at, std::string& out) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> named = {
        {{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", "\xC2\xA0"}}};
    const std::string_view rest = text.substr(at);
    for (const auto& [reference, character] : named) {
        if (rest.starts_with(reference)) {
            out += character;
            at += reference.size();
            return true;
        }
    }
    if (!rest.starts_with("&#")) {
        return false;
    }
    const std::size_t semicolon = rest.find(';', 2);
    if (semicolon == std::string_view::npos || semicolon < 3 || semicolon > 9) {
        return false;
    }
    std::uint32_t code = 0;
    const char* first = rest.data() + 2;
    const char* last = rest.data() + semicolon;
    const auto [stop, error] = std::from_chars(first, last, code);
    if (error != std::errc() || stop != last || *first == '0' || code <= 0xFF || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF) || !isPlainCodePoint(code)) {
        return false;
    }
    Utf8::append(out, code);
    at += semicolon + 1;
    return true;
}

class Reader {
public:
    Reader(std::string_view text, bool stripScripts)
        : m_text(text)
        , m_stripScripts(stripScripts) {}

    // With no section the text is only checked.
    bool rows(Element* section) {
        m_at = 0;
        while (m_at < m_text.size()) {
            blanks(section);
            if (m_at < m_text.size() && !row(section)) {
                return false;
            }
        }
        return true;
    }

private:
    bool row(Element* section) {
        Element* row = nullptr;
        if (!startTag("tr", section, row)) {
            return false;
        }
        while (true) {
            blanks(row);
            if (take("</tr>")) {
                return true;
            }
            if (!cell(row)) {
                return false;
            }
        }
    }

    bool cell(Element* row) {
        Element* cell = nullptr;
        const bool header = m_text.substr(m_at).starts_with("<th");
        if (!startTag(header ? "th" : "td", row, cell)) {
            return false;
        }
        m_value.clear();
        if (!characters('<', m_value)) {
            return false;
        }
        if (cell && !m_value.empty()) {
            cell->appendText(m_value);
        }
        return take(header ? "</th>" : "</td>");
    }

    // "<name", attributes written as the serializer writes them, ">".
    bool startTag(std::string_view name, Element* parent, Element*& made) {
        if (!take("<") || !take(name)) {
            return false;
        }
        m_names.clear();
        m_values.clear();
        while (take(" ")) {
            const std::size_t start = m_at;
            while (m_at < m_text.size() &&
                   ((m_text[m_at] >= 'a' && m_text[m_at] <= 'z') ||
                    (m_at > start &&
                     (m_text[m_at] == '-' || (m_text[m_at] >= '0' && m_text[m_at] <= '9'))))) {
                ++m_at;
            }
            const std::string_view attributeName = m_text.substr(start, m_at - start);
            std::string value;
            if (attributeName.empty() || m_names.size() == MaxAttributes || !take("=\"") ||
                !characters('"', value) || !take("\"") || isRepeated(attributeName) ||
                (m_stripScripts &&
                 !HtmlParser::isScriptFreeAttribute(false, attributeName, value))) {
                return false;
            }
            m_names.push_back(attributeName);
            m_values.push_back(std::move(value));
        }
        if (!take(">")) {
            return false;
        }
        if (parent) {
            made = &parent->appendElement(name);
            made->reserveAttributes(m_names.size() + (name == "tr" ? RowAttributeRoom : 0));
            for (std::size_t i = 0; i < m_names.size(); ++i) {
                made->appendParsedAttribute(m_names[i], m_values[i]);
            }
        }
        return true;
    }

    bool isRepeated(std::string_view name) const {
        for (const auto& earlier : m_names) {
            if (earlier == name) {
                return true;
            }
        }
        return false;
    }

    // Text up to `end` (a cell's "<" or a value's closing quote), references decoded.
    bool characters(char end, std::string& out) {
        while (m_at < m_text.size() && m_text[m_at] != end) {
            const char c = m_text[m_at];
            if (c == '&') {
                if (!readReference(m_text, m_at, out)) {
                    return false;
                }
                continue;
            }
            if (c == '<' || c == '"') {
                // a "<" in a value and a quote in a cell are taken as they stand
                out += c;
                ++m_at;
                continue;
            }
            const std::size_t start = m_at;
            const char32_t code = Utf8::next(m_text, m_at);
            const bool malformed = code == Utf8::Replacement && m_at - start != 3;
            if (malformed || !isPlainCodePoint(code)) {
                return false;
            }
            out.append(m_text.substr(start, m_at - start));
        }
        return m_at < m_text.size();
    }

    // Blanks between rows or cells are a text of their own, as gumbo keeps them.
    void blanks(Element* parent) {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && isBlank(m_text[m_at])) {
            ++m_at;
        }
        if (parent && m_at > start) {
            parent->appendText(m_text.substr(start, m_at - start));
        }
    }

    bool take(std::string_view expected) {
        if (!m_text.substr(m_at).starts_with(expected)) {
            return false;
        }
        m_at += expected.size();
        return true;
    }

    std::string_view m_text;
    bool m_stripScripts;
    std::size_t m_at = 0;
    std::string m_value;
    std::vector<std::string_view> m_names;
    std::vector<std::string> m_values;
};

} // namespace

bool PlainRowReader::readInto(Element& section, std::string_view text, bool stripScripts) {
    Reader reader(text, stripScripts);
    return reader.rows(nullptr) && reader.rows(&section);
}
