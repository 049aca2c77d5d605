#include "platform/browser/CurlBrowser.h"

#include "platform/browser/BrowserFailures.h"
#include "platform/browser/Navigation.h"
#include "platform/browser/NavigationWorker.h"
#include "platform/browser/PageLoader.h"
#include "platform/dom/Document.h"

#include <QPointer>
#include <utility>

struct CurlBrowser::Arrival {
    std::uint64_t navigation = 0;
    PageLoader::Outcome outcome;
};

CurlBrowser::CurlBrowser(BrowserOptions options, QObject* parent)
    : Browser(parent)
    , m_document(std::make_unique<Document>(Document::Scripts::Keep))
    , m_worker(std::make_unique<NavigationWorker>(
          options, [this](std::uint64_t navigation, PageLoader::Outcome outcome) {
              post(std::make_shared<Arrival>(Arrival{navigation, std::move(outcome)}));
          })) {
    m_document->setUrl("about:blank");
}

CurlBrowser::~CurlBrowser() {
    m_worker.reset(); // joins the thread: nothing is posted to this object afterwards
}

void CurlBrowser::Navigate(const std::string& url) {
    begin(Navigation::toAddress(url));
}

void CurlBrowser::submit(Element& form) {
    begin(Navigation::forForm(*m_document, form));
}

void CurlBrowser::click(Element& link) {
    begin(Navigation::forLink(*m_document, link));
}

void CurlBrowser::stop() {
    m_worker->abandon(++m_navigation);
    m_busy = false;
}

void CurlBrowser::begin(Navigation navigation) {
    bool cancel = false;
    const QPointer<CurlBrowser> alive(this);
    Q_EMIT BeforeNavigate(navigation.request.url, cancel);
    if (cancel || !alive) {
        return;
    }
    const std::uint64_t number = ++m_navigation;
    m_busy = true;
    m_target = std::move(navigation.target);
    if (navigation.refusal) {
        // refused before anything is fetched, but announced like any other outcome: from
        // the event loop, never from inside the call that asked for it
        m_worker->abandon(number);
        post(std::make_shared<Arrival>(
            Arrival{number, PageLoader::Outcome{nullptr, std::move(navigation.refusal), false}}));
        return;
    }
    m_worker->start(number, std::move(navigation.request));
}

void CurlBrowser::post(std::shared_ptr<Arrival> arrival) {
    QMetaObject::invokeMethod(
        this, [this, arrival = std::move(arrival)] { arrive(arrival); }, Qt::QueuedConnection);
}

void CurlBrowser::arrive(const std::shared_ptr<Arrival>& arrival) {
    if (arrival->navigation != m_navigation || !m_busy) {
        return; // abandoned, or already announced
    }
    if (m_announcing) {
        m_held = arrival;
        return;
    }
    m_busy = false;
    PageLoader::Outcome& outcome = arrival->outcome;
    // the page it replaces is freed only after the handlers have run: by then the next page
    // is usually loading on the worker, so the two overlap
    std::unique_ptr<Document> replaced;
    if (outcome.document) {
        const std::string url = outcome.document->url();
        if (install(std::move(outcome.document), replaced)) {
            announce([this, &url] { Q_EMIT DocumentComplete(url); });
            return;
        }
        outcome.failure = BrowserFailures::unsupported(
            url, "the frame it was loading into is no longer on the page");
    }
    const BrowserFailure failure = outcome.failure.value_or(
        BrowserFailures::network(std::string(), "the page did not arrive"));
    announce([this, &failure] { Q_EMIT NavigationFailed(failure); });
}

bool CurlBrowser::install(std::unique_ptr<Document> document, std::unique_ptr<Document>& replaced) {
    if (m_target.empty()) {
        replaced = std::exchange(m_document, std::move(document));
        return true;
    }
    Element* frame = FrameTree::frameAt(*m_document, m_target);
    if (frame == nullptr) {
        return false;
    }
    replaced = frame->takeContentDocument();
    frame->setContentDocument(std::move(document));
    return true;
}

template <typename Raise> void CurlBrowser::announce(const Raise& raise) {
    const QPointer<CurlBrowser> alive(this);
    m_announcing = true;
    raise();
    if (!alive) {
        return;
    }
    m_announcing = false;
    if (m_held) {
        post(std::exchange(m_held, nullptr));
    }
}
