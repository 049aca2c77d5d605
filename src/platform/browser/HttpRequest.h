#pragma once

#include <optional>
#include <string>

// One page request of a navigation: GET, or POST of an urlencoded form.
struct HttpRequest {
    std::string url;
    // application/x-www-form-urlencoded body; set for POST only
    std::optional<std::string> formBody;
    // the address of the page the request comes from; empty for typed addresses. What is
    // sent of it as Referer depends on where the request (or a redirect) goes.
    std::string referer;
};
