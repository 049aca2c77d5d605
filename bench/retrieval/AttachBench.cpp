// The walk of a 200-page month in the user's own browser (a headless Chromium, over its
// debugging protocol) next to the Password Version walk of the same 200 pages with our own
// browser, against the simulated portal on loopback. A plain program rather than a Google
// Benchmark: each walk needs the browser brought to the month's first page first, and a few
// runs of each are enough. Prints the medians and their ratio.
#include "chromium/ChromiumBrowser.h"
#include "cli/PortalCheck.h"
#include "cli/ProgressLine.h"
#include "platform/browser/Browser.h"
#include "portal-sim/SimulatedPortal.h"
#include "retrieval/PortalBrowser.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Pages = 200;
constexpr int Runs = 3;
constexpr auto Timeout = std::chrono::seconds(60);

// February 2007 is a whole past month: 4000 rows, 200 pages of 20.
SimConfig benchPortal() {
    SimConfig config;
    config.seed = 7;
    config.rowsPerMonth = Pages * 20;
    config.pageSize = 20;
    config.today = QDate(2007, 3, 15);
    config.layout = SimLayout::ExternalStyle;
    return config;
}

CheckOutcome walk(const RunRequest& request) {
    const auto browser = PortalBrowser::make(Timeout);
    ProgressLine silent(false);
    return PortalCheck::run(*browser, request, Timeout, silent);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (ChromiumBrowser::binary().isEmpty()) {
        std::fprintf(stderr, "no chromium binary installed\n");
        return 2;
    }
    SimulatedPortal portal(benchPortal());
    ChromiumBrowser chromium;
    QString why;
    if (!portal.start() || !chromium.start(QString::fromStdString(portal.baseUrl()), &why) ||
        !chromium.openFirstRecordPage("demo", "demo", 1)) {
        std::fprintf(stderr, "cannot bring the browser to the month: %s\n", qPrintable(why));
        return 1;
    }
    std::vector<double> attached;
    std::vector<double> typed;
    for (int run = 0; run < Runs; ++run) {
        const CheckOutcome inBrowser =
            walk(RunRequest::nonPasswordVersion("attached", chromium.port()));
        const CheckOutcome loggedIn =
            walk(RunRequest::passwordVersion(portal.baseUrl(), "demo", "demo", 1));
        if (!inBrowser.month || !loggedIn.month || inBrowser.pagesFetched != Pages ||
            loggedIn.pagesFetched != Pages ||
            inBrowser.month->mstrRows != loggedIn.month->mstrRows) {
            std::fprintf(stderr, "the walks differ: %s / %s\n", inBrowser.failure.oneLine().c_str(),
                         loggedIn.failure.oneLine().c_str());
            return 1;
        }
        attached.push_back(inBrowser.seconds);
        typed.push_back(loggedIn.seconds);
    }
    const double inBrowser = median(attached);
    const double loggedIn = median(typed);
    std::printf("%d pages, median of %d runs\n", Pages, Runs);
    std::printf("attached walk (Chromium, DevTools):   %7.3f s  %6.2f ms/page\n", inBrowser,
                inBrowser * 1000 / Pages);
    std::printf("Password Version walk (own browser):  %7.3f s  %6.2f ms/page (login included)\n",
                loggedIn, loggedIn * 1000 / Pages);
    std::printf("ratio attached / Password Version:    %7.2f\n", inBrowser / loggedIn);
    return 0;
}
