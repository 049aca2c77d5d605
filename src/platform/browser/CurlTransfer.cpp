#include "platform/browser/CurlTransfer.h"

#include "platform/PlainText.h"
#include "platform/browser/BrowserFailures.h"
#include "platform/browser/WebAddress.h"

#include <QHostAddress>
#include <QUrl>
#include <cerrno>
#include <curl/curl.h>

namespace {

// libcurl's global set-up runs once, before the first handle, whichever thread asks first.
void initialiseCurl() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    return text;
}

bool isLoopback(const std::string& address) {
    const QString host = QUrl(QString::fromStdString(address)).host();
    return host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
           QHostAddress(host).isLoopback();
}

} // namespace

CurlTransfer::CurlTransfer(const BrowserOptions& options)
    : m_options(options) {
    static_assert(sizeof(m_error) >= CURL_ERROR_SIZE);
    initialiseCurl();
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L); // time-outs without signals, on any thread
    curl_easy_setopt(m_easy, CURLOPT_COOKIEFILE, "");
    // redirects are followed hop by hop in fetch(), each with its own Referer
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(options.connectTimeout.count()));
    curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS,
                     static_cast<long>(options.transferTimeout.count()));
    curl_easy_setopt(m_easy, CURLOPT_USERAGENT, m_options.userAgent.c_str());
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlTransfer::onBody);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlTransfer::onHeader);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
}

CurlTransfer::~CurlTransfer() {
    curl_multi_cleanup(m_multi);
    curl_easy_cleanup(m_easy);
}

void CurlTransfer::wake() {
    // between transfers there is nothing to interrupt (the caller checks `abandoned` before
    // every wait), and a stray wake-up would cost the next transfer a needless round
    if (m_transferring) {
        curl_multi_wakeup(m_multi);
    }
}

std::size_t CurlTransfer::onBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    const std::size_t bytes = size * count;
    if (transfer.m_body.size() + bytes > transfer.m_options.maxPageBytes) {
        transfer.m_tooLarge = true;
        return 0; // libcurl ends the transfer with a write error
    }
    transfer.m_body.append(data, bytes);
    return bytes;
}

// Keeps the reason phrase of the last status line (each redirect hop sends one).
std::size_t CurlTransfer::onHeader(char* data, std::size_t size, std::size_t count, void* self) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    const std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
        const auto code = line.find(' ');
        const auto reason = code == std::string_view::npos ? code : line.find(' ', code + 1);
        transfer.m_reason =
            reason == std::string_view::npos ? "" : std::string(trimmed(line.substr(reason + 1)));
    }
    return line.size();
}

void CurlTransfer::prepare(const HttpRequest& request) {
    m_body.clear();
    m_reason.clear();
    m_tooLarge = false;
    m_error[0] = '\0';
    curl_easy_setopt(m_easy, CURLOPT_URL, request.url.c_str());
    // Pages are asked for compressed, as browsers ask: record pages shrink several times on a
    // slow line, and libcurl hands on the decoded text. Not brotli: a server compressing each
    // dynamic page at brotli's default level spends more time on it than a fast line saves
    // (the simulated portal's 200 pages took 1.3 s instead of 0.06 s; gzip 0.09 s).
    const bool compressed = m_options.compressLoopbackPages || !isLoopback(request.url);
    curl_easy_setopt(m_easy, CURLOPT_ACCEPT_ENCODING, compressed ? "gzip, deflate" : nullptr);
    if (request.formBody) {
        // libcurl sends it as application/x-www-form-urlencoded
        // our own copy, not libcurl's: it is overwritten as soon as the fetch ends
        m_formBody = *request.formBody;
        curl_easy_setopt(m_easy, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(m_formBody.size()));
        curl_easy_setopt(m_easy, CURLOPT_POSTFIELDS, m_formBody.c_str());
    } else {
        curl_easy_setopt(m_easy, CURLOPT_HTTPGET, 1L); // back to GET after a POST
    }
    m_referer = WebAddress::refererFor(request.referer, request.url);
    curl_easy_setopt(m_easy, CURLOPT_REFERER, m_referer.empty() ? nullptr : m_referer.c_str());
}

std::optional<int> CurlTransfer::run(const Abandoned& abandoned) {
    m_transferring = true;
    curl_multi_add_handle(m_multi, m_easy);
    int running = 1;
    CURLMcode status = CURLM_OK;
    while (status == CURLM_OK) {
        status = curl_multi_perform(m_multi, &running);
        if (status != CURLM_OK || running == 0) {
            break;
        }
        if (abandoned()) {
            curl_multi_remove_handle(m_multi, m_easy); // drops the half-read connection
            m_transferring = false;
            return std::nullopt;
        }
        // returns when the socket is ready, a libcurl timer is due, or wake() was called
        status = curl_multi_poll(m_multi, nullptr, 0, 1000, nullptr);
    }
    int code = status == CURLM_OK ? CURLE_OK : CURLE_FAILED_INIT;
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg == CURLMSG_DONE) {
            code = message->data.result;
        }
    }
    curl_multi_remove_handle(m_multi, m_easy);
    m_transferring = false;
    return code;
}

void CurlTransfer::forgetFormBody() {
    if (m_formBody.empty()) {
        return;
    }
    curl_easy_setopt(m_easy, CURLOPT_POSTFIELDS, nullptr);
    wipeSecret(m_formBody);
}

namespace {

// A form body (a login's holds the password) may follow a 307 or 308 only to the host it was
// meant for, and never from https to plain http.
bool mayResendForm(const std::string& from, const std::string& to) {
    const QUrl source(QString::fromStdString(from));
    const QUrl target(QString::fromStdString(to));
    const bool downgrade =
        source.scheme() == QLatin1String("https") && target.scheme() != QLatin1String("https");
    return !downgrade && source.host().compare(target.host(), Qt::CaseInsensitive) == 0;
}

bool isRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

CurlTransfer::Result CurlTransfer::fetch(const HttpRequest& request, const Abandoned& abandoned) {
    HttpRequest current = request;
    for (int hop = 0;; ++hop) {
        prepare(current);
        const std::optional<int> code = run(abandoned);
        forgetFormBody();
        if (!code) {
            Result result;
            result.abandoned = true;
            result.url = current.url;
            return result;
        }
        long status = 0;
        const char* location = nullptr;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(m_easy, CURLINFO_REDIRECT_URL, &location);
        if (*code != CURLE_OK || !isRedirect(status) || location == nullptr) {
            return outcome(*code, current);
        }
        Result result;
        result.url = location;
        if (hop >= m_options.maxRedirects) {
            result.failure = BrowserFailures::network(
                current.url, "more than " + std::to_string(m_options.maxRedirects) + " redirects");
            return result;
        }
        // only 307 and 308 send a form's fields again; the others go on with GET
        const bool resend = current.formBody && (status == 307 || status == 308);
        if (resend && !mayResendForm(current.url, location)) {
            result.failure = BrowserFailures::unsupported(
                location, "the form sent to " + WebAddress::forMessage(current.url) +
                              " was redirected to another host or to plain http; its fields "
                              "are not sent there");
            return result;
        }
        // every hop comes from the page that asked, as a browser sends it (prepare)
        current = HttpRequest{location, resend ? current.formBody : std::nullopt, request.referer};
    }
}

CurlTransfer::Result CurlTransfer::outcome(int code, const HttpRequest& request) {
    Result result;
    const char* effective = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &effective);
    result.url = effective != nullptr ? effective : request.url;
    result.failure = failureFor(code, result.url);
    if (result.failure) {
        return result;
    }
    const char* contentType = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_CONTENT_TYPE, &contentType);
    result.contentType = contentType != nullptr ? contentType : "";
    result.body = std::move(m_body);
    m_body = std::string();
    return result;
}

std::optional<BrowserFailure> CurlTransfer::failureFor(int code, const std::string& url) const {
    const auto curlCode = static_cast<CURLcode>(code);
    const std::string detail(m_error[0] != '\0' ? trimmed(m_error)
                                                : std::string_view(curl_easy_strerror(curlCode)));
    switch (curlCode) {
    case CURLE_OK: {
        long status = 0;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        if (status >= 400) {
            return BrowserFailures::httpStatus(url, static_cast<int>(status), m_reason);
        }
        return std::nullopt;
    }
    case CURLE_OPERATION_TIMEDOUT:
        return BrowserFailures::timedOut(url, detail);
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return BrowserFailures::cutOff(url, detail);
    case CURLE_WRITE_ERROR:
        if (m_tooLarge) {
            return BrowserFailures::unsupported(
                url, "the page is larger than " +
                         std::to_string(m_options.maxPageBytes / (1024 * 1024)) + " MB");
        }
        return BrowserFailures::network(url, detail);
    case CURLE_UNSUPPORTED_PROTOCOL:
        return BrowserFailures::unsupported(url, detail);
    default:
        if (const auto cause = unreachableCause(code)) {
            return BrowserFailures::unreachable(url, *cause, detail);
        }
        return BrowserFailures::network(url, detail);
    }
}

std::optional<BrowserFailures::Unreachable> CurlTransfer::unreachableCause(int code) const {
    using Cause = BrowserFailures::Unreachable;
    switch (static_cast<CURLcode>(code)) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return Cause::HostNotFound;
    case CURLE_COULDNT_CONNECT: {
        long error = 0;
        curl_easy_getinfo(m_easy, CURLINFO_OS_ERRNO, &error);
        if (error == ECONNREFUSED) {
            return Cause::Refused;
        }
        return error == ENETUNREACH || error == EHOSTUNREACH ? Cause::NoRoute : Cause::NoConnection;
    }
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        return Cause::CertificateBad;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_USE_SSL_FAILED:
        return Cause::SecureFailed;
    default:
        return std::nullopt;
    }
}
