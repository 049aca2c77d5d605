#include "retrieval/FakeBrowser.h"

#include "platform/AsciiCase.h"
#include "platform/TextEncoding.h"
#include "platform/dom/Document.h"
#include "platform/dom/FormFields.h"

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

const Element& rootOf(const Element& element) {
    const Element* at = &element;
    while (at->parent()) {
        at = at->parent();
    }
    return *at;
}

} // namespace

FakeBrowser::FakeBrowser(SimSite& site)
    : m_site(site)
    , m_top(Document::parse("")) {
    m_top->setUrl("about:blank");
}

FakeBrowser::~FakeBrowser() = default;

void FakeBrowser::Navigate(const std::string& url) {
    start({"GET", url, {}, nullptr});
}

void FakeBrowser::submit(Element& form) {
    const std::string action = addressOf(form, form.getAttribute("action").value_or(""));
    const std::string data = FormFields::urlEncode(FormFields::submissionData(form));
    Element* frame = contextOf(form, form.getAttribute("target").value_or(""));
    if (AsciiCase::lower(form.getAttribute("method").value_or("get")) == "post") {
        start({"POST", action, data, frame});
    } else {
        start({"GET", action.substr(0, action.find('?')) + "?" + data, {}, frame});
    }
}

void FakeBrowser::click(Element& link) {
    start({"GET",
           addressOf(link, link.getAttribute("href").value_or("")),
           {},
           contextOf(link, link.getAttribute("target").value_or(""))});
}

void FakeBrowser::start(Navigation navigation) {
    bool cancel = false;
    Q_EMIT BeforeNavigate(navigation.url, cancel);
    if (cancel) {
        m_cancelled.push_back(navigation.url);
        return;
    }
    m_pending = std::move(navigation);
}

bool FakeBrowser::deliver() {
    if (!m_pending) {
        return false;
    }
    const Navigation navigation = *m_pending;
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

void FakeBrowser::loadInto(const Navigation& navigation) {
    std::string finalUrl;
    int status = 0;
    auto document = load(navigation.method, navigation.url, navigation.body, finalUrl, status);
    if (status >= 400) {
        Q_EMIT NavigationFailed(
            {BrowserFailure::Kind::HttpStatus, finalUrl,
             "The portal answered " + finalUrl + " with HTTP status " + std::to_string(status),
             status});
        return;
    }
    if (navigation.frame) {
        navigation.frame->setContentDocument(std::move(document));
    } else {
        m_top = std::move(document);
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

Element* FakeBrowser::contextOf(const Element& element, const std::string& target) const {
    // the simulated portal names no frame as a target: any target but its own is the top
    if (!target.empty() && target != "_self") {
        return nullptr;
    }
    return frameHolding(rootOf(element), *m_top);
}

// The frame element (at any depth below `document`) whose document has this root.
Element* FakeBrowser::frameHolding(const Element& root, const Document& document) const {
    for (Element* frame : document.frames()) {
        const Document* inside = frame->contentDocument();
        if (!inside) {
            continue;
        }
        if (inside->documentElement() == &root) {
            return frame;
        }
        if (Element* deeper = frameHolding(root, *inside)) {
            return deeper;
        }
    }
    return nullptr;
}

std::string FakeBrowser::addressOf(const Element& element, const std::string& reference) const {
    const Element* frame = frameHolding(rootOf(element), *m_top);
    const Document& document = frame ? *frame->contentDocument() : *m_top;
    const QUrl base(QString::fromStdString(document.url()));
    return base.resolved(QUrl(QString::fromStdString(reference))).toString().toStdString();
}
