#pragma once

#include <functional>
#include <string>
#include <string_view>

class Element;
class Node;
struct Attribute;

// Writes our tree back as HTML text, the same text for the same tree every time: tag and
// attribute names in lower case, attribute values in double quotes, text escaped, and every
// character above U+00FF as a numeric reference, so the text fits a Latin-1 file unchanged.
namespace HtmlSerializer {

// Leaves out the attributes for which the filter returns false.
using AttributeFilter = std::function<bool(const Element&, const Attribute&)>;
// Leaves out the nodes (and all they hold) for which it returns true.
using NodeFilter = std::function<bool(const Node&)>;

struct Options {
    const AttributeFilter* filter = nullptr;
    const NodeFilter* omit = nullptr;
    // Markup written just before the end tag of the head element.
    std::string_view headEnd;
};

void appendOuter(std::string& out, const Node& node, const Options& options = {});
void appendInner(std::string& out, const Element& element, const Options& options = {});
void appendEscapedText(std::string& out, std::string_view text, bool inAttribute);

} // namespace HtmlSerializer
