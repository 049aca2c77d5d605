#pragma once

#include "platform/browser/Browser.h"
#include "platform/browser/BrowserFailures.h"
#include "platform/browser/BrowserOptions.h"
#include "platform/browser/HttpRequest.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

// libcurl's handle types, as curl.h and multi.h declare them
typedef void CURL;
typedef void CURLM;
struct curl_slist;

// One libcurl easy handle for a browser's whole life: one kept-alive connection per server,
// the browser's cookies in memory, redirects followed hop by hop (a form's fields only where
// they may go, the Referer cut to the origin across sites), certificates verified, the proxy
// taken from the environment. Driven through a multi handle so that another thread can interrupt
// a transfer at once. Used from one thread at a time; wake() from any thread.
class CurlTransfer {
public:
    struct Result {
        std::optional<BrowserFailure> failure;
        bool abandoned = false; // stopped because the caller no longer wanted it
        std::string url;        // the address after redirects
        std::string contentType;
        std::string body;
    };
    using Abandoned = std::function<bool()>;

    explicit CurlTransfer(const BrowserOptions& options);
    ~CurlTransfer();
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    // Loads one address (following redirects). `abandoned` is asked whenever the transfer
    // waits and after every wake().
    Result fetch(const HttpRequest& request, const Abandoned& abandoned);
    // Safe from any thread: makes a running fetch consult `abandoned` now.
    void wake();

private:
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    void prepare(const HttpRequest& request);
    // The transfer's result code, or nothing when it was abandoned.
    std::optional<int> run(const Abandoned& abandoned);
    Result outcome(int code, const HttpRequest& request);
    void forgetFormBody();
    std::optional<BrowserFailure> failureFor(int code, const std::string& url) const;
    // Why the server could not be reached, for the failures a person can act on.
    std::optional<BrowserFailures::Unreachable> unreachableCause(int code) const;

    BrowserOptions m_options;
    CURL* m_easy = nullptr;
    CURLM* m_multi = nullptr;
    std::string m_body;
    // the form body being sent (a login's holds the password): wiped once the fetch ends
    std::string m_formBody;
    std::string m_referer; // what this hop sends as Referer
    std::string m_reason;
    bool m_tooLarge = false;
    std::atomic<bool> m_transferring{false};
    char m_error[256] = {};
};
