#include "platform/browser/WebAddress.h"

#include "platform/dom/Document.h"

#include <QString>
#include <QUrl>
#include <cctype>

namespace {

bool isBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// What the HTML address parser sees: no surrounding blanks, no tabs or line breaks inside.
std::string cleaned(std::string_view text) {
    while (!text.empty() && isBlankChar(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlankChar(text.back())) {
        text.remove_suffix(1);
    }
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\t' && c != '\n' && c != '\r') {
            out += c;
        }
    }
    return out;
}

QUrl toUrl(std::string_view address) {
    return QUrl(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())),
                QUrl::TolerantMode);
}

std::string fromUrl(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment).toString(QUrl::FullyEncoded).toStdString();
}

// One spelling for one place: Qt already lowers the scheme and the host; the default port
// and an empty path are what every browser drops or adds before it asks the server.
QUrl canonical(QUrl url) {
    const bool secure = url.scheme() == QLatin1String("https");
    if (url.port() == (secure ? 443 : 80) && (secure || url.scheme() == QLatin1String("http"))) {
        url.setPort(-1);
    }
    if (url.path().isEmpty() && !url.host().isEmpty()) {
        url.setPath(QStringLiteral("/"));
    }
    return url;
}

} // namespace

std::string WebAddress::scheme(std::string_view address) {
    const std::string text = cleaned(address);
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(text[0]))) {
        return {};
    }
    std::string out;
    for (char c : std::string_view(text).substr(0, colon)) {
        const auto byte = static_cast<unsigned char>(c);
        if (!std::isalnum(byte) && c != '+' && c != '-' && c != '.') {
            return {};
        }
        out += static_cast<char>(std::tolower(byte));
    }
    return out;
}

bool WebAddress::isHttp(std::string_view address) {
    const std::string name = scheme(address);
    return name == "http" || name == "https";
}

bool WebAddress::isBlank(std::string_view address) {
    std::string text = cleaned(address);
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text == "about:blank";
}

bool WebAddress::isScript(std::string_view address) {
    std::string compact;
    for (char c : address) {
        if (static_cast<unsigned char>(c) > ' ') {
            compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (compact.size() == 11) {
            break;
        }
    }
    return compact.starts_with("javascript:") || compact.starts_with("vbscript:");
}

std::string WebAddress::resolve(std::string_view base, std::string_view reference) {
    const std::string text = cleaned(reference);
    if (isScript(text) || isBlank(text)) {
        return text;
    }
    const QUrl baseUrl = toUrl(base);
    if (!isHttp(base) || !baseUrl.isValid()) {
        return fromUrl(toUrl(text));
    }
    return fromUrl(baseUrl.resolved(toUrl(text)));
}

std::string WebAddress::baseOf(const Document& document) {
    for (const Element* base : document.getElementsByTagName("base")) {
        if (const auto href = base->getAttribute("href")) {
            return resolve(document.url(), *href);
        }
    }
    return document.url();
}

std::string WebAddress::host(std::string_view address) {
    return isHttp(address) ? toUrl(cleaned(address)).host().toLower().toStdString() : std::string();
}

std::string WebAddress::fromUserInput(std::string_view text) {
    const std::string address = cleaned(text);
    if (address.empty() || isScript(address) || isBlank(address)) {
        return address;
    }
    if (address.find("://") == std::string::npos) {
        return fromUrl(canonical(toUrl("http://" + address)));
    }
    return fromUrl(canonical(toUrl(address)));
}

std::string WebAddress::withQuery(std::string_view address, std::string_view encodedQuery) {
    QUrl url = toUrl(address);
    url.setQuery(
        QString::fromUtf8(encodedQuery.data(), static_cast<qsizetype>(encodedQuery.size())),
        QUrl::TolerantMode);
    return fromUrl(url);
}

std::string WebAddress::problemWith(std::string_view typed) {
    constexpr std::size_t longest = 8192;
    const std::string address = cleaned(typed);
    if (address.empty()) {
        return "no address was given";
    }
    const std::string visible = forMessage(address);
    const std::string shown =
        "\"" + (visible.size() > 60 ? visible.substr(0, 60) + "..." : visible) + "\"";
    if (address.size() > longest) {
        return "the address " + shown + " is longer than " + std::to_string(longest) +
               " characters";
    }
    // "data:text/html,..." has a scheme; "portal.example:8080" has a host and a port
    const std::string name = scheme(address);
    const auto rest = std::string_view(address).substr(name.size() + 1);
    const bool port = !rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front()));
    if (!name.empty() && !isHttp(address) && address.find("://") == std::string::npos && !port) {
        return shown + " is a " + name + ": address, not a web page (http or https)";
    }
    const QUrl url =
        toUrl(address.find("://") == std::string::npos ? "http://" + address : address);
    if (!url.isValid()) {
        // Qt's reason quotes the whole address again after "; source was"
        std::string reason = url.errorString().toStdString();
        reason = reason.substr(0, reason.find("; source was"));
        return shown + " is not a valid address: " + reason;
    }
    return shown + " is not a valid address";
}

std::string WebAddress::forMessage(std::string_view address) {
    const auto cut = address.find_first_of("?#");
    std::string out(address.substr(0, cut));
    const auto authority = out.find("://");
    if (authority != std::string::npos) {
        const auto start = authority + 3;
        const auto at = out.substr(0, out.find('/', start)).rfind('@');
        if (at != std::string::npos && at >= start) {
            out.erase(start, at + 1 - start);
        }
    }
    if (cut != std::string_view::npos && address[cut] == '?') {
        out += "?...";
    }
    return out;
}

std::string WebAddress::refererFor(std::string_view from, std::string_view to) {
    const std::string source = scheme(from);
    if (!isHttp(from) || (source == "https" && scheme(to) != "https")) {
        return {};
    }
    const QUrl page = toUrl(from);
    const QUrl target = toUrl(to);
    if (!page.isValid() || page.host().isEmpty()) {
        return {};
    }
    const bool sameOrigin = page.scheme() == target.scheme() &&
                            page.host().compare(target.host(), Qt::CaseInsensitive) == 0 &&
                            page.port(page.scheme() == "https" ? 443 : 80) ==
                                target.port(target.scheme() == "https" ? 443 : 80);
    if (sameOrigin) {
        return fromUrl(page.adjusted(QUrl::RemoveUserInfo));
    }
    return fromUrl(page.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery)) +
           "/";
}
