// HTML as the portal might send it: parsed, stripped as the report strips rows, serialised,
// read as text, and the strip-then-reparse property checked.
#include "FuzzOracle.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    const auto kept = Document::parse(html, Document::Scripts::Keep);
    (void)kept->outerHTML();
    const auto stripped = Document::parse(html, Document::Scripts::Strip);
    (void)stripped->all().front()->innerText();
    requireNothingActive(stripped->outerHTML());
    return 0;
}
