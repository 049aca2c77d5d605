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
    std::vector<int> loads; // February's record page shown when found, then at each load
    const char* expected;
    std::string site = {};
    bool renamed = false;    // each page comes from another address than its link names
    bool noHomepage = false; // the pages have no link to the month's first page
};

std::unique_ptr<Document> shown(SimPages& sim, int number, const Case& c) {
    auto page = number == Home      ? Document::parse("<title>Netravo portal - Home</title>")
                : number == Expired ? SimPages::framing(SimPageWriter::expiredPage())
                                    : sim.page(SimPages::February, number, {}, [&c](auto& html) {
                                          if (c.noHomepage) {
                                              html.replace(html.find(">Homepage<"), 10, ">x<");
                                          }
                                      });
    page->setUrl("http://portal.test/records");
    if (Document* frame = RecordFrame::of(*page, {})) {
        const int at = number == Expired ? 2 : number;
        frame->setUrl("http://portal.test" +
                      (c.renamed ? "/r?p=" + std::to_string(at)
                                 : SimRecordPageWriter::pageAddress(SimPages::February, at)));
    }
    return page;
}

// Each load as a letter, in the order of the kinds: W the walk takes the page (and follows its
// "Next Page"), . nothing, L left, B leads back, M moved on; a click by its link's first letter.
std::string steps(const Case& c) {
    SimPages sim;
    AttachedPages pages({}, c.site);
    std::string out;
    for (const int number : c.loads) {
        const auto page = shown(sim, number, c);
        const AttachedStep step = out.empty() ? pages.start(*page) : pages.loaded(*page);
        const Document* frame = RecordFrame::of(*page, {});
        if (step.kind == AttachedStep::Kind::Walk && frame) {
            pages.walked(*page, RecordFrame::link(*frame, PortalLayout().nextPageTexts));
        }
        out += step.link ? step.link->innerText().front() : "W-.LBM"[static_cast<int>(step.kind)];
    }
    return out;
}

} // namespace

TEST(AttachedPages, TakesEachPageOnceWhateverMakesTheWindowLoad) {
    const Case cases[] = {
        {"in order", {1, 1, 2, 3, 4, 5}, "HWWWWW"},
        {"frame loads again by itself", {1, 1, 1, 2, 2, 3, 4, 5}, "HWNWNWWW"},
        {"user goes back to the first page", {1, 1, 2, 3, 1, 2, 3, 4, 5}, "HWWWNNNWW"},
        {"window jumps past page 3", {1, 1, 2, 4, 1, 2, 3, 4, 5}, "HWWHNNWWW"},
        {"no way back to the first page", {3, 4, 1}, "WWM", {}, false, true},
        {"pages from other addresses", {1, 1, 1, 2, 3, 4, 5}, "HHWWWWW", {}, true},
        {"links lead back", {1, 1, 2, 1, 2, 1, 2, 1}, "HWWNNNNB"},
        {"window leaves the record pages", {1, 1, Home}, "HWL"},
        {"session ended where the walk was going", {1, 1, Expired}, "HWW"},
        {"window not on the portal's site", {1, 1}, "HL", "portal.example"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(steps(c), c.expected) << c.name;
    }
}
