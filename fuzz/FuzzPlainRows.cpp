// Row text for the plain row reader: whatever it takes must become the very tree gumbo makes
// of the same rows in a table body; whatever it refuses it must leave untouched.
#include "FuzzOracle.h"
#include "platform/dom/HtmlSerializer.h"
#include "platform/dom/PlainRowReader.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::string_view Start = "<!DOCTYPE html><table><tbody>";

// Every node with its kind, so that two texts side by side differ from one.
void shape(const Node& node, std::string& out) {
    if (!node.isElement()) {
        out.append(node.kind() == Node::Kind::Text ? "'" : "!").append(node.data()).append("'");
        return;
    }
    out += "<" + static_cast<const Element&>(node).tagName();
    for (const auto& attribute : static_cast<const Element&>(node).attributes()) {
        out.append(" ").append(attribute.name).append("=").append(attribute.value);
    }
    for (const Node* child : node.children()) {
        shape(*child, out);
    }
    out += ">";
}

std::string bodyShape(const Document& document) {
    std::string out;
    shape(*document.getElementsByTagName("tbody").front(), out);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rows(reinterpret_cast<const char*>(data), size);
    const bool strip = size % 2 == 0;
    const auto scripts = strip ? Document::Scripts::Strip : Document::Scripts::Keep;
    const auto plain = Document::parse(std::string(Start), scripts);
    const std::string empty = bodyShape(*plain);
    Element& body = *plain->getElementsByTagName("tbody").front();
    if (!PlainRowReader::readInto(body, rows, strip)) {
        fuzzRequire(bodyShape(*plain) == empty, "refused rows left nodes behind",
                    std::string(rows));
        return 0;
    }
    const auto parsed = Document::parse(std::string(Start) + std::string(rows), scripts);
    fuzzRequire(bodyShape(*plain) == bodyShape(*parsed), "plain rows differ from gumbo's",
                std::string(rows));
    return 0;
}
