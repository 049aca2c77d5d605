#include "retrieval/RowText.h"

#include "platform/AsciiCase.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

struct Tag {
    std::string_view name; // empty: not a tag, the "<" is text
    bool closing = false;
    std::size_t end = npos; // one past the ">", npos when the text ends inside the tag
};

// The tag starting with the "<" at `lt`. A quoted attribute value may hold ">" or "<".
Tag readTag(std::string_view text, std::size_t lt) {
    Tag tag;
    std::size_t i = lt + 1;
    if (i < text.size() && text[i] == '/') {
        tag.closing = true;
        ++i;
    }
    const std::size_t nameStart = i;
    while (i < text.size() && isNameChar(text[i])) {
        ++i;
    }
    tag.name = text.substr(nameStart, i - nameStart);
    if (tag.name.empty()) {
        tag.end = lt + 1;
        return tag;
    }
    while (i < text.size() && text[i] != '>') {
        if (text[i] == '"' || text[i] == '\'') {
            i = text.find(text[i], i + 1);
            if (i == npos) {
                return tag;
            }
        }
        ++i;
    }
    tag.end = i < text.size() ? i + 1 : npos;
    return tag;
}

// Collects pieces; rows are cut at their own level, tables inside a cell are passed over.
class Splitter {
public:
    explicit Splitter(std::string_view text)
        : m_text(text) {}

    std::vector<RowText::Piece> run() {
        std::size_t pos = 0;
        while (pos < m_text.size()) {
            const std::size_t lt = m_text.find('<', pos);
            if (lt == npos) {
                break;
            }
            if (m_text.substr(lt, 4) == "<!--") {
                const std::size_t close = m_text.find("-->", lt + 4);
                pos = close == npos ? m_text.size() : close + 3;
                continue;
            }
            const Tag tag = readTag(m_text, lt);
            if (tag.end == npos) {
                break;
            }
            handle(tag, lt);
            pos = tag.end;
        }
        emit(m_pieceStart, m_text.size(), false);
        return std::move(m_pieces);
    }

private:
    void handle(const Tag& tag, std::size_t lt) {
        if (AsciiCase::equal(tag.name, "table") && m_rowStart != npos) {
            if (!tag.closing) {
                ++m_tableDepth;
            } else if (m_tableDepth > 0) {
                --m_tableDepth;
            }
        } else if (AsciiCase::equal(tag.name, "tr") && m_tableDepth == 0) {
            if (!tag.closing) {
                // A row left open (a file cut off, then written to again) stays a plain piece.
                emit(m_pieceStart, lt, false);
                m_rowStart = lt;
                m_tableDepth = 0;
            } else if (m_rowStart != npos) {
                emit(m_pieceStart, m_rowStart, false);
                emit(m_rowStart, tag.end, true);
                m_rowStart = npos;
            }
        }
    }

    void emit(std::size_t from, std::size_t to, bool isRow) {
        if (to > from) {
            m_pieces.push_back({m_text.substr(from, to - from), isRow});
        }
        m_pieceStart = to;
    }

    std::string_view m_text;
    std::vector<RowText::Piece> m_pieces;
    std::size_t m_pieceStart = 0;
    std::size_t m_rowStart = npos;
    int m_tableDepth = 0;
};

} // namespace

std::vector<RowText::Piece> RowText::split(std::string_view text) {
    return Splitter(text).run();
}

std::string_view RowText::cellsOf(std::string_view row) {
    const Tag start = readTag(row, 0);
    const std::size_t end = row.rfind("</");
    if (start.name.empty() || start.end == npos || end == npos || end < start.end) {
        return row;
    }
    return row.substr(start.end, end - start.end);
}
