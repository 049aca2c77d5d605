#pragma once

#include "platform/browser/Browser.h"
#include "platform/browser/FrameTree.h"
#include "platform/browser/HttpRequest.h"

#include <optional>
#include <string>

class Document;
class Element;

// What a typed address, a link or a form asks the browser for: the request and the browsing
// context it loads into, or the reason it is refused before anything is fetched.
struct Navigation {
    HttpRequest request;
    FrameTree::Path target;
    std::optional<BrowserFailure> refusal;

    static Navigation toAddress(const std::string& typed);
    // `top` is the browser's top document; the link or form may sit in any of its frames.
    static Navigation forLink(Document& top, const Element& link);
    static Navigation forForm(Document& top, const Element& form);
};
