#pragma once

#include "platform/dom/Document.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What a fuzz target checks beyond the sanitizers: a property that must hold for every input.
// A broken one prints what broke and aborts, which libFuzzer records as a crash.
inline void fuzzRequire(bool holds, const char* what, const std::string& detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "fuzz property broken: %s\n%s\n", what, detail.c_str());
        std::abort();
    }
}

// Letters only, lower case, without the blanks and control characters a browser skips.
inline std::string compactValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (static_cast<unsigned char>(c) > ' ') {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        }
    }
    return out;
}

// Saved text, read again by a parser that keeps everything, must hold nothing that runs.
inline void requireNothingActive(const std::string& saved) {
    const auto reread = Document::parse(saved, Document::Scripts::Keep);
    for (const Element* element : reread->all()) {
        fuzzRequire(!element->hasTag("script"), "a script element came back", saved);
        for (const Attribute& attribute : element->attributes()) {
            const bool handler = attribute.name.size() > 2 && attribute.name.rfind("on", 0) == 0;
            fuzzRequire(!handler, "an event attribute came back", saved);
            fuzzRequire(compactValue(attribute.value).find("javascript:") == std::string::npos,
                        "a javascript: address came back", saved);
        }
    }
}
