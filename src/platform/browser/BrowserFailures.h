#pragma once

#include "platform/browser/Browser.h"

#include <string>
#include <string_view>

// The failures a navigation can end in, each with its one-line message for a person.
namespace BrowserFailures {

// Why a server could not be reached, as a person can act on it.
enum class Unreachable {
    Refused,        // nothing accepts connections at that address and port
    HostNotFound,   // the host name is not known
    NoRoute,        // the network or the host cannot be reached
    NoConnection,   // no connection, for another reason
    SecureFailed,   // the secure (TLS) connection could not be set up
    CertificateBad, // the server's certificate is not trusted
};

// `detail` is the network library's own description ("Couldn't connect to server").
BrowserFailure network(std::string url, std::string_view detail);
// "Could not reach URL: <the cause>. <what to check>.", with `detail` as its second line.
BrowserFailure unreachable(std::string url, Unreachable cause, std::string_view detail);
BrowserFailure timedOut(std::string url, std::string_view detail);
// The server closed the connection before the page it announced had arrived in full.
BrowserFailure cutOff(std::string url, std::string_view detail);
BrowserFailure httpStatus(std::string url, int status, std::string_view reason);
// A link (named by its text) or form whose address is a script.
BrowserFailure scriptLink(std::string url, std::string_view linkText);
BrowserFailure scriptForm(std::string url);
BrowserFailure scriptAddress(std::string url);
BrowserFailure unsupported(std::string url, std::string_view why);
// The same failure, told as the failure of a frame of `pageUrl`.
BrowserFailure inFrameOf(BrowserFailure failure, std::string_view pageUrl);

} // namespace BrowserFailures
