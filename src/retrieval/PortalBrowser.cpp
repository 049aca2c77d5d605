#include "retrieval/PortalBrowser.h"

#include "platform/browser/CurlBrowser.h"

#include <algorithm>

std::unique_ptr<Browser> PortalBrowser::make(std::chrono::milliseconds timeout) {
    BrowserOptions options;
    options.transferTimeout = timeout;
    options.connectTimeout = std::min(options.connectTimeout, timeout);
    return std::make_unique<CurlBrowser>(options);
}
