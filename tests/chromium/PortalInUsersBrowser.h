#pragma once

#include "chromium/ChromiumBrowser.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"

#include <string>

// The simulated portal in the layout a user's browser shows, and a headless Chromium in which
// the "user" has logged in and opened the first record page of the month `monthsBack` back:
// the state the user leaves the browser in before pressing the button.
// `delayMs`: every answer of the portal waits this long.
struct PortalInUsersBrowser {
    explicit PortalInUsersBrowser(int delayMs = 0)
        : portal([delayMs] {
            SimConfig config = simTestConfig({.delayMs = delayMs});
            config.layout = SimLayout::ExternalStyle;
            return config;
        }()) {}

    SimulatedPortal portal;
    ChromiumBrowser chromium;

    // Empty when the browser shows that page; else what went wrong.
    std::string open(int monthsBack) {
        if (!portal.start()) {
            return "the simulated portal did not start";
        }
        QString why;
        if (!chromium.start(QString::fromStdString(portal.baseUrl()), &why)) {
            return why.toStdString();
        }
        return chromium.openFirstRecordPage("Jos\u00e9", "secret", monthsBack)
                   ? std::string()
                   : "the browser did not reach the first record page";
    }
};
