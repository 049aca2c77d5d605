#pragma once

#include "platform/browser/Browser.h"
#include "platform/browser/BrowserOptions.h"
#include "platform/browser/CurlTransfer.h"
#include "platform/browser/HttpRequest.h"
#include "platform/dom/Document.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Turns a request into a finished page: fetched, decoded, parsed, and every frame and iframe
// under it (and theirs) loaded into its element, depth first on the one connection. A frame
// that fails fails the page. Runs on the browser's worker thread.
class PageLoader {
public:
    struct Outcome {
        std::unique_ptr<Document> document; // set on success
        std::optional<BrowserFailure> failure;
        bool abandoned = false;
    };

    explicit PageLoader(const BrowserOptions& options);

    Outcome load(const HttpRequest& request, const CurlTransfer::Abandoned& abandoned);
    // Safe from any thread: a running load looks at its `abandoned` at once.
    void wake() { m_transfer.wake(); }

private:
    Outcome fetchDocument(const HttpRequest& request, const CurlTransfer::Abandoned& abandoned);
    // Loads the frames of `page`; `ancestors` are the addresses of the pages around it.
    // Nothing when all of them loaded, else the failure or abandonment that stopped it.
    std::optional<Outcome> loadFrames(Document& page, std::vector<std::string>& ancestors,
                                      const CurlTransfer::Abandoned& abandoned);

    BrowserOptions m_options;
    CurlTransfer m_transfer;
    // this navigation so far: frames fetched, bytes of the page and its frames
    int m_framesLoaded = 0;
    std::size_t m_bytesLoaded = 0;
};
