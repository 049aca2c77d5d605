#pragma once

#include "retrieval/PortalLayout.h"

#include <span>
#include <string_view>

class Document;
class Element;

// What the session and the walks find on a portal page by the layout's rules.
namespace RecordFrame {

// The document in the record frame of a page; null when the page has none.
Document* of(const Document& page, const PortalLayout& layout);
// The first link of `document` whose inner text is one of `texts` exactly, or null.
Element* link(const Document& document, std::span<const std::string_view> texts);
// Whether a form of `document` has the login page's user name and password fields.
bool showsLoginForm(const Document& document, const PortalLayout& layout);

} // namespace RecordFrame
