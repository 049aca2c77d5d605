#pragma once

#include <string>

class Element;

// The text of an element as a browser renders it for reading: scripts, styles and the head
// left out, whitespace runs collapsed, <br> as a line break, blocks on lines of their own,
// table cells separated by tabs, the whole trimmed.
namespace InnerText {
std::string of(const Element& element);
}
