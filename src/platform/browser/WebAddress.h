#pragma once

#include <string>
#include <string_view>

class Document;

// Web addresses as a browser reads them from pages and from what a person types.
namespace WebAddress {

// The scheme in lower case ("http"), or empty when the address has none.
std::string scheme(std::string_view address);
bool isHttp(std::string_view address);  // http or https
bool isBlank(std::string_view address); // about:blank
// javascript: and vbscript: addresses, whatever their case or the blanks inside the scheme.
bool isScript(std::string_view address);

// The absolute address an href, src or action names, read against `base`; the fragment is
// dropped (it never reaches the server).
std::string resolve(std::string_view base, std::string_view reference);
// The address a document's relative links are read against: its base element's, or its own.
std::string baseOf(const Document& document);
// A typed address: surrounding blanks dropped, "http://" assumed when no scheme is given; the
// scheme and host in lower case, the default port dropped and "/" for an empty path, so
// "HTTP://Portal.example:80" and "http://portal.example/" are one address.
std::string fromUserInput(std::string_view text);
// Why a typed address gave no address from fromUserInput, in words for the person who typed it.
std::string problemWith(std::string_view typed);
// The host of an http or https address, in lower case; empty for any other address.
std::string host(std::string_view address);
// The address with its query replaced (what a GET form does with its fields).
std::string withQuery(std::string_view address, std::string_view encodedQuery);

// An address as a message shows it: without its query (shown as "?..."), fragment and user
// name or password. Messages reach terminals and the system journal, and a query can hold
// anything a form sent.
std::string forMessage(std::string_view address);
// What a request to `to` sends as Referer when it comes from the page at `from`, as browsers
// do by default: the whole address (without fragment or user name) to the page's own origin,
// only the origin ("https://host/") to another one, nothing from https to plain http.
std::string refererFor(std::string_view from, std::string_view to);

} // namespace WebAddress
