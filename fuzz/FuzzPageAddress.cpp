// A page as it arrives: bytes and a Content-Type decoded to text, parsed, and every link and
// form address in it resolved against the page's address and base, as a walk follows them.
#include "platform/TextEncoding.h"
#include "platform/browser/Navigation.h"
#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // the first line is the Content-Type header, the rest the page
    const auto lineEnd = input.find('\n');
    const std::string_view contentType = input.substr(0, std::min(lineEnd, input.size()));
    const std::string_view bytes =
        lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);
    const std::string text = TextEncoding::decodePage(bytes, contentType);
    auto page = Document::parse(text, Document::Scripts::Keep);
    page->setUrl("https://portal.example/usage/records.aspx?page=2");
    const std::string base = WebAddress::baseOf(*page);
    for (const Element* element : page->all()) {
        for (const char* name : {"href", "action", "src"}) {
            if (const auto value = element->getAttribute(name)) {
                const std::string url = WebAddress::resolve(base, *value);
                (void)WebAddress::isScript(url);
                (void)WebAddress::withQuery(url, "a=1&b=%20");
            }
        }
    }
    (void)WebAddress::fromUserInput(contentType);
    for (Element* form : page->getElementsByTagName("form")) {
        (void)Navigation::forForm(*page, *form);
    }
    return 0;
}
