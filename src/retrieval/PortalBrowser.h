#pragma once

#include "platform/browser/Browser.h"

#include <chrono>
#include <memory>

// The browser a portal run walks the portal with (the command line and the main window).
namespace PortalBrowser {

// A CurlBrowser that gives up on a page after `timeout` (and on connecting sooner).
std::unique_ptr<Browser> make(std::chrono::milliseconds timeout);

} // namespace PortalBrowser
