#pragma once

#include <memory>
#include <string_view>

class Element;

// Turns UTF-8 HTML into our own tree through gumbo, as an HTML5 browser builds it.
namespace HtmlParser {

struct Options {
    // Drop script elements, on* event attributes and javascript:/vbscript: addresses.
    bool stripScripts = false;
};

// The html element of the parsed document.
std::unique_ptr<Element> parseDocument(std::string_view html, Options options);

// Parses a fragment as the content of a body (for inner HTML) and appends the resulting
// nodes to it.
void parseFragmentInto(Element& context, std::string_view html, Options options);

} // namespace HtmlParser
