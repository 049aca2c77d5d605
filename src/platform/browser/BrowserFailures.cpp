#include "platform/browser/BrowserFailures.h"

#include "platform/browser/WebAddress.h"

#include <QUrl>

namespace {

// Messages are one line: texts from pages and from the network library may hold breaks.
std::string oneLine(std::string_view text, std::size_t limit = 200) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            blank = !out.empty();
            continue;
        }
        if (blank) {
            out += ' ';
        }
        blank = false;
        out += c;
    }
    if (out.size() > limit) {
        out.resize(limit);
        out += "...";
    }
    return out;
}

// Never the query: what a form sent stays out of messages.
std::string shown(std::string_view url) {
    return oneLine(WebAddress::forMessage(url));
}

// A script address can be a whole program; the message shows its start.
std::string shortAddress(std::string_view url) {
    return oneLine(WebAddress::forMessage(url), 80);
}

BrowserFailure failure(BrowserFailure::Kind kind, std::string url, std::string message) {
    BrowserFailure out;
    out.kind = kind;
    out.url = std::move(url);
    out.message = std::move(message);
    return out;
}

} // namespace

BrowserFailure BrowserFailures::network(std::string url, std::string_view detail) {
    std::string message = "Could not load " + shown(url) + ": " + oneLine(detail) + ".";
    return failure(BrowserFailure::Kind::Network, std::move(url), std::move(message));
}

BrowserFailure BrowserFailures::unreachable(std::string url, Unreachable cause,
                                            std::string_view detail) {
    constexpr char checkConnection[] = " Check the address and your connection.";
    std::string why;
    std::string check = checkConnection;
    switch (cause) {
    case Unreachable::Refused:
        why = "the connection was refused.";
        break;
    case Unreachable::HostNotFound: {
        const std::string host =
            QUrl(QString::fromStdString(url)).host(QUrl::PrettyDecoded).toStdString();
        why = host.empty() ? "its host was not found."
                           : "the host " + oneLine(host) + " was not found.";
        break;
    }
    case Unreachable::NoRoute:
        why = "the network or the host cannot be reached.";
        break;
    case Unreachable::NoConnection:
        why = "no connection could be made.";
        break;
    case Unreachable::SecureFailed:
        why = "a secure connection could not be set up.";
        check = " Check the address (is it https where the site only offers http?).";
        break;
    case Unreachable::CertificateBad:
        why = "its certificate is not trusted.";
        check = " Check the address: the certificate may have expired or belong to another "
                "site.";
        break;
    }
    BrowserFailure out = failure(BrowserFailure::Kind::Network, url,
                                 "Could not reach " + shown(url) + ": " + why + check);
    out.detail = oneLine(detail);
    return out;
}

BrowserFailure BrowserFailures::timedOut(std::string url, std::string_view detail) {
    std::string message =
        shown(url) + " did not answer in time. Check the address and your connection.";
    BrowserFailure out = failure(BrowserFailure::Kind::Network, std::move(url), std::move(message));
    out.detail = oneLine(detail);
    return out;
}

BrowserFailure BrowserFailures::cutOff(std::string url, std::string_view detail) {
    std::string message = "The connection was cut off before " + shown(url) +
                          " had arrived in full (" + oneLine(detail) + ").";
    return failure(BrowserFailure::Kind::Network, std::move(url), std::move(message));
}

BrowserFailure BrowserFailures::httpStatus(std::string url, int status, std::string_view reason) {
    std::string code = std::to_string(status);
    if (!reason.empty()) {
        code += " " + oneLine(reason, 80);
    }
    std::string message = shown(url) + " answered with the HTTP error " + code + ".";
    BrowserFailure out =
        failure(BrowserFailure::Kind::HttpStatus, std::move(url), std::move(message));
    out.httpStatus = status;
    return out;
}

BrowserFailure BrowserFailures::scriptLink(std::string url, std::string_view linkText) {
    const std::string text = oneLine(linkText, 80);
    std::string message = (text.empty() ? std::string("A link") : "The link \"" + text + "\"") +
                          " runs a script (" + shortAddress(url) + ") and is not followed.";
    return failure(BrowserFailure::Kind::ScriptAddress, std::move(url), std::move(message));
}

BrowserFailure BrowserFailures::scriptForm(std::string url) {
    std::string message =
        "The form is sent to a script (" + shortAddress(url) + ") and is not submitted.";
    return failure(BrowserFailure::Kind::ScriptAddress, std::move(url), std::move(message));
}

BrowserFailure BrowserFailures::scriptAddress(std::string url) {
    std::string message = "The address " + shortAddress(url) + " runs a script and is not loaded.";
    return failure(BrowserFailure::Kind::ScriptAddress, std::move(url), std::move(message));
}

BrowserFailure BrowserFailures::unsupported(std::string url, std::string_view why) {
    std::string message = url.empty() ? "Nothing can be loaded: " + oneLine(why) + "."
                                      : shown(url) + " cannot be loaded: " + oneLine(why) + ".";
    return failure(BrowserFailure::Kind::Unsupported, std::move(url), std::move(message));
}

BrowserFailure BrowserFailures::inFrameOf(BrowserFailure failure, std::string_view pageUrl) {
    if (!failure.message.empty() && failure.message.back() == '.') {
        failure.message.pop_back();
    }
    failure.message += " (a frame of " + shown(pageUrl) + ").";
    return failure;
}
