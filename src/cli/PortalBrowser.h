#pragma once

#include "platform/browser/Browser.h"

#include <chrono>
#include <memory>

// The browser the command line walks the portal with.
namespace PortalBrowser {

// A CurlBrowser that gives up on a page after `timeout` (and on connecting sooner).
std::unique_ptr<Browser> make(std::chrono::milliseconds timeout);

} // namespace PortalBrowser
