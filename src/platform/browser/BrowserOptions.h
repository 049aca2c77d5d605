#pragma once

#include "platform/Version.h"

#include <chrono>
#include <cstddef>
#include <string>

// How patient and how trusting a CurlBrowser is. Every page and frame gets its own time-outs.
struct BrowserOptions {
    // Time allowed to reach the server (name lookup, TCP and TLS handshakes).
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(15)};
    // Time allowed for one whole transfer, connecting included; a server that never answers
    // ends in a failure after this long.
    std::chrono::milliseconds transferTimeout{std::chrono::seconds(60)};
    int maxRedirects = 20;
    // Frames nested deeper than this stay blank (a page framing itself must not loop).
    int maxFrameDepth = 8;
    // A bigger answer is refused rather than held in memory.
    std::size_t maxPageBytes = std::size_t{32} * 1024 * 1024;
    // Limits for a page and all its frames together: frames beyond the count stay blank, and
    // bytes beyond the total end the navigation (each frame alone may stay under the page cap).
    int maxFramesPerNavigation = 16;
    std::size_t maxNavigationBytes = std::size_t{64} * 1024 * 1024;
    // Pages are asked for compressed, as browsers ask, but not from this machine unless this
    // is set: with no network between, packing and unpacking every page only costs time at
    // both ends (a tenth of a check against the simulated portal).
    bool compressLoopbackPages = false;
    std::string userAgent =
        std::string("Mozilla/5.0 (compatible; Veltrix/") + Version::Number + ")";
};
