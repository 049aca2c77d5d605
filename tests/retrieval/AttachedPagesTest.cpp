// Which loads of the user's window an attached walk takes: each record page once and none
// skipped, whatever else makes the window load.
#include "retrieval/AttachedPages.h"

#include "portal-sim/SimPageWriter.h"
#include "retrieval/RecordFrame.h"
#include "retrieval/SimPages.h"

#include <gtest/gtest.h>

namespace {

constexpr int Home = 0;    // the portal's home page: no record frame
constexpr int Expired = 9; // the portal's "session expired" where the walk was going next

struct Case {
    const char* name;
    std::vector<int> loads; // February's record page shown at each load of the window
    const char* expected;
    std::string site = {};
    bool renamed = false;    // each page comes from another address than its link names
    bool noHomepage = false; // the pages have no link to the month's first page
};

std::unique_ptr<Document> shown(SimPages& sim, int number, const Case& c) {
    const SimMonth month = SimPages::February;
    if (number == Home) {
        auto home = Document::parse("<title>Netravo portal - Home</title>");
        home->setUrl("http://portal.test/home");
        return home;
    }
    auto page = number == Expired ? SimPages::framing(SimPageWriter::expiredPage())
                                  : sim.page(month, number, {}, [&c](std::string& html) {
                                        if (c.noHomepage) {
                                            html.replace(html.find(">Homepage<"), 10, ">Start<");
                                        }
                                    });
    const int at = number == Expired ? 2 : number;
    RecordFrame::of(*page, {})->setUrl(
        "http://portal.test" +
        (c.renamed ? "/r?p=" + std::to_string(at) : SimRecordPageWriter::pageAddress(month, at)));
    return page;
}

// Each load as a letter: W the walk takes the page (and follows its "Next Page"), N or H a
// click of "Next Page" or "Homepage", . nothing, L left, B leads back, M moved on.
std::string steps(const Case& c) {
    SimPages sim;
    AttachedPages pages({}, c.site);
    std::string out;
    for (const int number : c.loads) {
        const auto page = shown(sim, number, c);
        const AttachedStep step = pages.loaded(*page);
        using Kind = AttachedStep::Kind;
        if (step.kind == Kind::Walk) {
            const Document* frame = RecordFrame::of(*page, {});
            pages.walked(*page,
                         frame ? RecordFrame::link(*frame, PortalLayout().nextPageTexts) : nullptr);
        }
        // in the order of the kinds; a click is named by its link
        out += step.kind == Kind::Click ? step.link->innerText().front()
                                        : "W-.LBM"[static_cast<int>(step.kind)];
    }
    return out;
}

} // namespace

TEST(AttachedPages, TakesEachPageOnceWhateverMakesTheWindowLoad) {
    const Case cases[] = {
        {"in order", {1, 2, 3, 4, 5}, "WWWWW"},
        {"frame loads again by itself", {1, 1, 2, 2, 3, 4, 5}, "WNWNWWW"},
        {"user goes back to the first page", {1, 2, 3, 1, 2, 3, 4, 5}, "WWWNNNWW"},
        {"window jumps past page 3", {1, 2, 4, 1, 2, 3, 4, 5}, "WWHNNWWW"},
        {"jump with no way back", {1, 2, 4}, "WWM", {}, false, true},
        {"pages from other addresses", {1, 2, 1, 2, 3, 4, 5}, "WHNWWWW", {}, true},
        {"links lead back", {1, 2, 1, 2, 1, 2, 1}, "WWNNNNB"},
        {"window leaves the record pages", {1, Home}, "WL"},
        {"session ended where the walk was going", {1, Expired}, "WW"},
        {"window not on the portal's site", {1}, "L", "portal.example"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(steps(c), c.expected) << c.name;
    }
}
