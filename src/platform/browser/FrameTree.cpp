#include "platform/browser/FrameTree.h"

#include "platform/dom/Document.h"

#include <cctype>

namespace {

bool sameKeyword(std::string_view text, std::string_view keyword) {
    if (text.size() != keyword.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != keyword[i]) {
            return false;
        }
    }
    return true;
}

// Depth first, in document order, as browsers search frame names.
template <typename Match>
std::optional<FrameTree::Path> findFrame(const Document& document, FrameTree::Path& path,
                                         const Match& match) {
    const auto frames = document.frames();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        path.push_back(i);
        if (match(*frames[i])) {
            return path;
        }
        if (const Document* inner = frames[i]->contentDocument()) {
            if (auto found = findFrame(*inner, path, match)) {
                return found;
            }
        }
        path.pop_back();
    }
    return std::nullopt;
}

} // namespace

std::optional<FrameTree::Path> FrameTree::contextOf(const Document& top, const Element& element) {
    const Element* root = &element;
    while (root->parent() != nullptr) {
        root = root->parent();
    }
    if (top.documentElement() == root) {
        return Path{};
    }
    Path path;
    return findFrame(top, path, [root](const Element& frame) {
        return frame.contentDocument() != nullptr &&
               frame.contentDocument()->documentElement() == root;
    });
}

Document* FrameTree::documentAt(Document& top, const Path& path) {
    if (path.empty()) {
        return &top;
    }
    const Element* frame = frameAt(top, path);
    return frame != nullptr ? frame->contentDocument() : nullptr;
}

Element* FrameTree::frameAt(const Document& top, const Path& path) {
    const Document* document = &top;
    Element* frame = nullptr;
    for (const std::size_t index : path) {
        if (document == nullptr) {
            return nullptr;
        }
        const auto frames = document->frames();
        if (index >= frames.size()) {
            return nullptr;
        }
        frame = frames[index];
        document = frame->contentDocument();
    }
    return frame;
}

FrameTree::Path FrameTree::targetOf(const Document& top, const Path& from,
                                    std::string_view target) {
    if (target.empty() || sameKeyword(target, "_self")) {
        return from;
    }
    if (sameKeyword(target, "_parent")) {
        return from.empty() ? from : Path(from.begin(), from.end() - 1);
    }
    if (target.front() == '_') {
        return {}; // _top, _blank and the reserved names a browser does not know
    }
    Path path;
    const auto named = findFrame(
        top, path, [target](const Element& frame) { return frame.getAttribute("name") == target; });
    return named.value_or(Path{});
}
