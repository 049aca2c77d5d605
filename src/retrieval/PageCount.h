#pragma once

#include "retrieval/PortalLayout.h"

#include <optional>
#include <string_view>

class Document;

// The portal's own count of a month's record pages, as its record pages show it
// ("Page 3 of 12"), so progress can say how far a walk has to go.
namespace PageCount {

// The count a text such as "Page 3 of 12" names; none when the text names no count.
std::optional<int> inText(std::string_view text, const PortalLayout& layout);
// The count the record frame's document shows first; 0 when it shows none.
int onPage(const Document& frame, const PortalLayout& layout);

} // namespace PageCount
