#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

class Document;
class Element;

// The browsing contexts of a page: the top document and, below it, the documents of its
// frame and iframe elements. A context is named by its path, the frame index at each level
// (Document::frames order) from the top; the empty path is the top document.
namespace FrameTree {

using Path = std::vector<std::size_t>;

// The context whose document holds `element`, or nothing when no document of the tree does.
std::optional<Path> contextOf(const Document& top, const Element& element);
// The document shown in a context; null when the path leads nowhere (the page changed).
Document* documentAt(Document& top, const Path& path);
// The frame or iframe element of a context; null for the top and for paths that lead nowhere.
Element* frameAt(const Document& top, const Path& path);
// The context a link or form of context `from` loads into, by its target: none or "_self"
// is `from`; "_top" the top; "_parent" the context around `from`; a name the first frame of
// that name anywhere in the tree. "_blank" and unknown names load into the top, since this
// browser has a single window.
Path targetOf(const Document& top, const Path& from, std::string_view target);

} // namespace FrameTree
