#include "retrieval/RecordPageWalk.h"

#include "platform/FixedPoint.h"
#include "platform/dom/Document.h"
#include "portal-sim/SimPageWriter.h"
#include "report/ReportBuilder.h"
#include "report/ReportTemplate.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/PageCount.h"
#include "retrieval/RowText.h"
#include "retrieval/SessionMessages.h"
#include "retrieval/SimPages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Walked {
    WalkStep last;
    int pages = 0;
};

// Hands pages from `first` on to the walk, following its next-page link until it stops.
Walked walkMonth(RecordPageWalk& walk, SimPages& pages, SimMonth month,
                 const std::function<std::unique_ptr<Document>(int)>& pageFor = {}) {
    Walked walked;
    std::vector<std::unique_ptr<Document>> kept; // the link of a step lives in its page
    for (int number = 1;; ++number) {
        kept.push_back(pageFor ? pageFor(number) : pages.page(month, number));
        walked.last = walk.ProcessRecordPage(*kept.back());
        ++walked.pages;
        if (walked.last.kind != WalkStep::Kind::NextPage) {
            return walked;
        }
        const std::string href = walked.last.nextPageLink->getAttribute("href").value_or("");
        EXPECT_NE(href.find("page=" + std::to_string(number + 1)), std::string::npos) << href;
    }
}

RecordPageWalk::Settings settings(const QString& folder = {}, std::string user = "Jos\u00e9") {
    return {!folder.isEmpty(), folder, std::move(user), {}};
}

// What the walk keeps of a row the portal wrote: the same row without its stripe class.
std::string storedText(const SimRow& row, int position) {
    std::string html = SimRecordPageWriter::rowHtml(row, position);
    const std::string portalStart =
        position % 2 == 0 ? "<tr class=td01 align=center>" : "<tr class=td02 align=center>";
    return "<tr align=\"center\">" + html.substr(portalStart.size());
}

std::string monthText(SimPages& pages, SimMonth month, int pageSize = 20) {
    std::string text;
    const auto rows = pages.log().month(month).rowsNewestFirst();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += storedText(rows[i], static_cast<int>(i % static_cast<std::size_t>(pageSize)));
    }
    return text;
}

// The report from the walk's row nodes is the one from its text.
void expectRowNodesMatchText(const MonthRecord& month) {
    ASSERT_FALSE(month.rowNodes.empty());
    const auto report = [](MonthRecord record) {
        ReportBuilder builder;
        Document report{Document::Scripts::Strip};
        builder.GrabbingFinished(std::move(record));
        builder.WriteOutput(ReportOptions(), &report);
        return std::make_pair(report.outerHTML(), report.all().size());
    };
    const auto fromNodes = report(month);
    const auto fromText = report({month.mstrRows, month.mstrMonthYear, month.mcurSiteTotal});
    EXPECT_EQ(fromNodes, fromText);
}

std::string fileText(const QString& file) {
    return FileDataStore::ReadFileData(file, true);
}

} // namespace

TEST(RecordPageWalk, TakesEveryPageOfTheMonthWithoutTheStripes) {
    SimPages pages;
    RecordPageWalk walk(settings());
    const Walked walked = walkMonth(walk, pages, SimPages::February);

    EXPECT_EQ(walked.last.kind, WalkStep::Kind::Finished);
    EXPECT_EQ(walked.pages, 5);
    EXPECT_EQ(walk.pagesWalked(), 5);
    EXPECT_EQ(walk.rowsTaken(), 95);
    EXPECT_EQ(walk.mstrRows(), monthText(pages, SimPages::February));
    expectRowNodesMatchText(walk.month());
    EXPECT_EQ(walk.month().mstrMonthYear, "2007-02");
    EXPECT_EQ(walk.mstrUserName(), "Jos\u00e9");
    const std::int64_t kilobytes = pages.log().month(SimPages::February).bandwidthKB();
    EXPECT_EQ(walk.mcurSiteTotal(),
              FixedPoint::parse(SimRecordPageWriter::gigabytesText(kilobytes)));
    EXPECT_TRUE(walk.mstrCacheFile().isEmpty());

    // far more pages than any month has: a "Next Page" that never ends, and nothing is stored
    QTemporaryDir folder;
    RecordPageWalk::Settings bounded = settings(folder.path());
    bounded.maxPages = 3;
    RecordPageWalk endless(bounded);
    const Walked stopped = walkMonth(endless, pages, SimPages::February);
    EXPECT_EQ(stopped.pages, 3);
    EXPECT_EQ(stopped.last.message.reason, RunMessage::Reason::PortalChanged);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(RecordPageWalk, SecondWalkStopsAtTheFirstStoredRowThoughItsStripeChanged) {
    QTemporaryDir folder;
    SimPages pages;
    RecordPageWalk first(settings(folder.path()));
    ASSERT_EQ(walkMonth(first, pages, SimPages::March).last.kind, WalkStep::Kind::Finished);
    const QString file = folder.filePath("2007-03-Jos\u00e9.cache");
    EXPECT_EQ(first.mstrCacheFile(), file);
    EXPECT_EQ(fileText(file), monthText(pages, SimPages::March));

    pages.log().addRows(3); // an odd number: every stored row now shows the other stripe
    RecordPageWalk second(settings(folder.path()));
    const Walked walked = walkMonth(second, pages, SimPages::March);
    EXPECT_EQ(walked.last.kind, WalkStep::Kind::Finished);
    EXPECT_EQ(walked.pages, 1);
    EXPECT_TRUE(second.reachedCache());
    EXPECT_EQ(second.rowsTaken(), 3);
    EXPECT_EQ(second.mstrRows(), monthText(pages, SimPages::March));
    EXPECT_EQ(fileText(file), second.mstrRows());
    expectRowNodesMatchText(second.month());

    // nothing new: no page is followed and the file stays as it was
    RecordPageWalk third(settings(folder.path()));
    EXPECT_EQ(walkMonth(third, pages, SimPages::March).pages, 1);
    EXPECT_EQ(third.rowsTaken(), 0);
    EXPECT_EQ(fileText(file), second.mstrRows());
}

TEST(RecordPageWalk, UserNameComesFromTheWelcomeLineWhenTheSessionGaveNone) {
    QTemporaryDir folder;
    for (const auto& [shown, expected] :
         {std::pair<std::string, std::string>{"Jos\xe9", "Jos\u00e9"},
          {"  Ann Lee ", "Ann Lee"},
          {"Bo, welcome!, welcome!", "Bo"}}) {
        SimPages pages;
        RecordPageWalk walk(settings(folder.path(), ""));
        const auto page = SimPages::framing(pages.recordHtml(SimPages::February, 5), shown);
        SCOPED_TRACE(shown);
        ASSERT_EQ(walk.ProcessRecordPage(*page).kind, WalkStep::Kind::Finished);
        EXPECT_EQ(walk.mstrUserName(), expected);
        EXPECT_EQ(walk.mstrCacheFile(),
                  folder.filePath(QString::fromStdString("2007-02-" + expected + ".cache")));
    }
}

TEST(RecordPageWalk, MonthTextThatIsNoMonthOfThisCenturyMeansThePortalChanged) {
    QTemporaryDir folder;
    const std::vector<std::pair<std::string, std::string>> months = {{"[1999-12]", "1999-12"},
                                                                     {"[2007-13]", "2007-13"},
                                                                     {"[20O7-02]", "20O7-02"},
                                                                     {"[2007/02]", "2007/02"},
                                                                     {"", "onthly "}};
    for (const auto& [replacement, shown] : months) {
        SimPages pages;
        RecordPageWalk walk(settings(folder.path()));
        const WalkStep step = walk.ProcessRecordPage(
            *pages.page(SimPages::February, 1, {}, [&replacement](std::string& html) {
                html.replace(html.find("[2007-02]"), 9, replacement);
            }));
        SCOPED_TRACE(replacement);
        EXPECT_EQ(step.kind, WalkStep::Kind::Abandoned);
        EXPECT_EQ(step.message.reason, RunMessage::Reason::PortalChanged);
        EXPECT_EQ(step.message.text, SessionMessages::PortalChangedText);
        EXPECT_NE(step.message.detail.find(shown), std::string::npos) << step.message.detail;
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(RecordPageWalk, MonthTotalThatIsNoNumberMeansThePortalChanged) {
    SimPages pages;
    auto page = pages.page(SimPages::February, 1);
    Element* total = page->frames()[0]
                         ->contentDocument()
                         ->getElementsByTagName("table")[3]
                         ->rows()[1]
                         ->cells()[3];
    total->setInnerHTML("n/a");
    RecordPageWalk walk(settings());
    const WalkStep step = walk.ProcessRecordPage(*page);
    EXPECT_EQ(step.message.reason, RunMessage::Reason::PortalChanged);
    EXPECT_NE(step.message.detail.find("\"n/a\""), std::string::npos) << step.message.detail;
}

TEST(RecordPageWalk, MonthWithoutRowsEndsOnItsOnlyPage) {
    SimPages pages;
    RecordPageWalk walk(settings());
    const Walked walked = walkMonth(walk, pages, SimMonth{2007, 4});
    EXPECT_EQ(walked.last.kind, WalkStep::Kind::Finished);
    EXPECT_EQ(walked.pages, 1);
    EXPECT_EQ(walk.mstrRows(), "");
    EXPECT_EQ(walk.mcurSiteTotal(), FixedPoint());
}

TEST(RecordPageWalk, MonthFileThatCannotBeWrittenIsANoticeNotTheEndOfTheReport) {
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    SimPages pages;
    RecordPageWalk walk(settings(folder.filePath("file/below")));
    EXPECT_EQ(walkMonth(walk, pages, SimPages::February).last.kind, WalkStep::Kind::Finished);
    EXPECT_EQ(walk.rowsTaken(), 95);
    ASSERT_EQ(walk.notices().size(), 1u);
    EXPECT_EQ(walk.notices()[0].reason, RunMessage::Reason::Notice);
}

TEST(PageCount, IsReadWhereTheRecordPageNamesItAndNowhereElse) {
    const std::pair<const char*, int> cases[] = {
        {"<p><a href=n>Next Page</a> | Page 3 of 12</p>", 12},
        {"<td>Page <b>3</b>&nbsp;of\n<b>1,2</b></td><p>Page 4 of 40</p>", 40}, // "1,2" is none
        {"<p>Homepage</p><p>Page 3 offline</p><p>Page 13 of 12</p><p>Pages 3 of 12</p>", 0},
    };
    for (const auto& [html, count] : cases) {
        EXPECT_EQ(PageCount::onPage(*Document::parse(html), PortalLayout()), count) << html;
    }
}
