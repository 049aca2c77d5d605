#include "retrieval/PageCount.h"

#include "platform/dom/Document.h"

#include <cctype>

namespace {

// Blanks, a no-break space (two bytes in UTF-8) among them.
void skipBlanks(std::string_view& text) {
    while (!text.empty()) {
        if (text.starts_with("\xC2\xA0")) {
            text.remove_prefix(2);
        } else if (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' ||
                   text.front() == '\r' || text.front() == '\f') {
            text.remove_prefix(1);
        } else {
            return;
        }
    }
}

// Blanks, then the word; false when it is not there.
bool skipWord(std::string_view& text, std::string_view word) {
    skipBlanks(text);
    if (!text.starts_with(word)) {
        return false;
    }
    text.remove_prefix(word.size());
    return true;
}

// Blanks, then up to seven digits (no portal has ten million pages).
std::optional<int> number(std::string_view& text) {
    skipBlanks(text);
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && digits < 7 &&
           std::isdigit(static_cast<unsigned char>(text[digits]))) {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return value;
}

std::optional<int> countFollowing(std::string_view text, const PortalLayout& layout) {
    const auto page = number(text);
    if (!page || !skipWord(text, layout.pageCountOf)) {
        return std::nullopt;
    }
    const auto count = number(text);
    return count && *count >= *page && *count > 0 ? count : std::nullopt;
}

} // namespace

std::optional<int> PageCount::inText(std::string_view text, const PortalLayout& layout) {
    for (auto at = text.find(layout.pageCountWord); at != std::string_view::npos;
         at = text.find(layout.pageCountWord, at + 1)) {
        if (const auto count =
                countFollowing(text.substr(at + layout.pageCountWord.size()), layout)) {
            return count;
        }
    }
    return std::nullopt;
}

int PageCount::onPage(const Document& frame, const PortalLayout& layout) {
    const Element* root = frame.documentElement();
    if (!root) {
        return 0;
    }
    // the count may be split over elements ("Page <b>3</b> of 12"): read the text of the
    // element that holds the word, not the word's own text node
    for (const Element* element : descendantElements(*root)) {
        for (const Node* child : element->children()) {
            if (child->kind() != Node::Kind::Text ||
                child->data().find(layout.pageCountWord) == std::string_view::npos) {
                continue;
            }
            if (const auto count = inText(element->innerText(), layout)) {
                return *count;
            }
        }
    }
    return 0;
}
