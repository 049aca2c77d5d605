#include "platform/browser/PageLoader.h"

#include "platform/TextEncoding.h"
#include "platform/browser/BrowserFailures.h"
#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"

#include <algorithm>

namespace {

std::unique_ptr<Document> blankDocument() {
    auto document = std::make_unique<Document>(Document::Scripts::Keep);
    document->setUrl("about:blank");
    return document;
}

} // namespace

PageLoader::PageLoader(const BrowserOptions& options)
    : m_options(options)
    , m_transfer(options) {}

PageLoader::Outcome PageLoader::load(const HttpRequest& request,
                                     const CurlTransfer::Abandoned& abandoned) {
    m_framesLoaded = 0;
    m_bytesLoaded = 0;
    Outcome page = fetchDocument(request, abandoned);
    if (!page.document) {
        return page;
    }
    std::vector<std::string> ancestors;
    std::optional<Outcome> stopped = loadFrames(*page.document, ancestors, abandoned);
    if (!stopped) {
        return page;
    }
    if (stopped->failure) {
        stopped->failure = BrowserFailures::inFrameOf(*stopped->failure, page.document->url());
    }
    return std::move(*stopped);
}

PageLoader::Outcome PageLoader::fetchDocument(const HttpRequest& request,
                                              const CurlTransfer::Abandoned& abandoned) {
    Outcome outcome;
    if (WebAddress::isBlank(request.url)) {
        outcome.document = blankDocument();
        return outcome;
    }
    if (!WebAddress::isHttp(request.url)) {
        outcome.failure = BrowserFailures::unsupported(
            request.url, "only http, https and about:blank addresses are loaded");
        return outcome;
    }
    CurlTransfer::Result answer = m_transfer.fetch(request, abandoned);
    outcome.abandoned = answer.abandoned;
    outcome.failure = std::move(answer.failure);
    if (answer.abandoned || outcome.failure) {
        return outcome;
    }
    m_bytesLoaded += answer.body.size();
    if (m_bytesLoaded > m_options.maxNavigationBytes) {
        outcome.failure = BrowserFailures::unsupported(
            answer.url, "the page and its frames are larger than " +
                            std::to_string(m_options.maxNavigationBytes / (1024 * 1024)) + " MB");
        return outcome;
    }
    // the page keeps the encoding it came in: its forms are sent back in it
    outcome.document = Document::parse(TextEncoding::decodePage(answer.body, answer.contentType),
                                       Document::Scripts::Keep);
    outcome.document->setUrl(std::move(answer.url));
    outcome.document->setCharset(TextEncoding::pageCharset(answer.body, answer.contentType));
    return outcome;
}

std::optional<PageLoader::Outcome>
PageLoader::loadFrames(Document& page, std::vector<std::string>& ancestors,
                       const CurlTransfer::Abandoned& abandoned) {
    ancestors.push_back(page.url());
    const std::string base = WebAddress::baseOf(page);
    std::optional<Outcome> stopped;
    for (Element* frame : page.frames()) {
        const std::string src = frame->getAttribute("src").value_or("");
        const std::string url = WebAddress::resolve(base, src);
        // scripts never run, so a frame whose address is one stays empty; so do frames
        // nested too deep and frames that would show a page they sit in, as browsers do
        if (src.find_first_not_of(" \t\r\n\f") == std::string::npos || WebAddress::isScript(url) ||
            static_cast<int>(ancestors.size()) > m_options.maxFrameDepth ||
            m_framesLoaded >= m_options.maxFramesPerNavigation ||
            std::find(ancestors.begin(), ancestors.end(), url) != ancestors.end()) {
            frame->setContentDocument(blankDocument());
            continue;
        }
        ++m_framesLoaded;
        Outcome inner = fetchDocument(HttpRequest{url, std::nullopt, page.url()}, abandoned);
        if (!inner.document) {
            stopped = std::move(inner);
            break;
        }
        stopped = loadFrames(*inner.document, ancestors, abandoned);
        if (stopped) {
            break;
        }
        frame->setContentDocument(std::move(inner.document));
    }
    ancestors.pop_back();
    return stopped;
}
