#include "retrieval/FakeBrowser.h"

#include "platform/TextEncoding.h"
#include "platform/browser/BrowserFailures.h"
#include "platform/browser/FrameTree.h"
#include "platform/dom/Document.h"

#include <QByteArray>
#include <QUrl>

namespace {

std::map<std::string, std::string> parameters(const std::string& encoded,
                                              std::map<std::string, std::string> into = {}) {
    std::size_t start = 0;
    while (start < encoded.size()) {
        std::size_t end = encoded.find('&', start);
        end = end == std::string::npos ? encoded.size() : end;
        std::string pair = encoded.substr(start, end - start);
        for (char& c : pair) {
            c = c == '+' ? ' ' : c;
        }
        const std::size_t equals = pair.find('=');
        const auto decoded = [](const std::string& text) {
            return QByteArray::fromPercentEncoding(QByteArray::fromStdString(text)).toStdString();
        };
        into.emplace(decoded(pair.substr(0, equals)), equals == std::string::npos
                                                          ? std::string()
                                                          : decoded(pair.substr(equals + 1)));
        start = end + 1;
    }
    return into;
}

} // namespace

FakeBrowser::FakeBrowser(SimSite& site)
    : m_site(site)
    , m_top(Document::parse("")) {
    m_top->setUrl("about:blank");
}

FakeBrowser::~FakeBrowser() = default;

void FakeBrowser::Navigate(const std::string& url) {
    start(::Navigation::toAddress(url));
}

void FakeBrowser::submit(Element& form) {
    start(::Navigation::forForm(*m_top, form));
}

void FakeBrowser::click(Element& link) {
    start(::Navigation::forLink(*m_top, link));
}

void FakeBrowser::start(::Navigation navigation) {
    bool cancel = false;
    Q_EMIT BeforeNavigate(navigation.request.url, cancel);
    if (cancel) {
        m_cancelled.push_back(navigation.request.url);
        return;
    }
    m_pending = std::move(navigation);
}

bool FakeBrowser::deliver() {
    if (!m_pending) {
        return false;
    }
    const ::Navigation navigation = *m_pending;
    m_pending.reset();
    loadInto(navigation);
    return true;
}

int FakeBrowser::deliverAll(int limit) {
    int delivered = 0;
    while (delivered < limit && deliver()) {
        ++delivered;
    }
    return delivered;
}

void FakeBrowser::loadInto(const ::Navigation& navigation) {
    if (navigation.refusal) {
        Q_EMIT NavigationFailed(*navigation.refusal);
        return;
    }
    const HttpRequest& request = navigation.request;
    std::string finalUrl;
    int status = 0;
    auto document = load(request.formBody ? "POST" : "GET", request.url,
                         request.formBody.value_or(""), finalUrl, status);
    if (status >= 400) {
        Q_EMIT NavigationFailed(
            {BrowserFailure::Kind::HttpStatus,
             finalUrl,
             "The portal answered " + finalUrl + " with HTTP status " + std::to_string(status),
             status,
             {}});
        return;
    }
    if (navigation.target.empty()) {
        m_top = std::move(document);
    } else if (Element* frame = FrameTree::frameAt(*m_top, navigation.target)) {
        frame->setContentDocument(std::move(document));
    } else {
        Q_EMIT NavigationFailed(BrowserFailures::unsupported(
            finalUrl, "the frame it was loading into is no longer on the page"));
        return;
    }
    Q_EMIT DocumentComplete(finalUrl);
}

std::unique_ptr<Document> FakeBrowser::load(std::string method, std::string url, std::string body,
                                            std::string& finalUrl, int& status) {
    SimResponse answer;
    for (int redirects = 0; redirects < 10; ++redirects) {
        const QUrl address(QString::fromStdString(url));
        std::string cookies;
        for (const auto& [name, value] : m_cookies) {
            cookies += (cookies.empty() ? "" : "; ") + name + "=" + value;
        }
        SimRequest request{method, address.path().toStdString(),
                           parameters(body, parameters(address.query().toStdString())), cookies};
        m_fetched.push_back(url);
        answer = m_site.handle(request);
        if (!answer.setCookie.empty()) {
            const std::string pair = answer.setCookie.substr(0, answer.setCookie.find(';'));
            const std::string name = pair.substr(0, pair.find('='));
            const std::string value = pair.substr(pair.find('=') + 1);
            if (value.empty()) {
                m_cookies.erase(name);
            } else {
                m_cookies[name] = value;
            }
        }
        if (answer.status < 300 || answer.status >= 400 || answer.location.empty()) {
            break;
        }
        url = address.resolved(QUrl(QString::fromStdString(answer.location)))
                  .toString()
                  .toStdString();
        method = "GET";
        body.clear();
    }
    finalUrl = url;
    status = answer.status;
    auto document = Document::parse(TextEncoding::decodePage(answer.body, answer.contentType));
    document->setUrl(url);
    loadFrames(*document);
    return document;
}

void FakeBrowser::loadFrames(Document& document) {
    for (Element* frame : document.frames()) {
        const auto source = frame->getAttribute("src");
        if (!source) {
            continue;
        }
        const QUrl base(QString::fromStdString(document.url()));
        std::string finalUrl;
        int status = 0;
        frame->setContentDocument(load(
            "GET", base.resolved(QUrl(QString::fromStdString(*source))).toString().toStdString(),
            {}, finalUrl, status));
    }
}
