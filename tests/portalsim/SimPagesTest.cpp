#include "portal-sim/SimLog.h"
#include "portal-sim/SimPageWriter.h"
#include "portal-sim/SimRecordPageWriter.h"
#include "portalsim/GumboPage.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2007, 3, 15);

SimRecordPage recordPage(SimLog& log, SimMonth month, int page, int pageSize) {
    const SimMonthLog& monthLog = log.month(month);
    return {month,
            "Jos\xe9",
            monthLog.sendKB(),
            monthLog.receiveKB(),
            monthLog.page(page, pageSize),
            page,
            monthLog.pageCount(pageSize)};
}

std::string monthAtElement34(const GumboPage& page) {
    return page.all().size() > 34 ? GumboPage::innerText(page.all()[34]).substr(1, 7) : "";
}

struct RecordPageCase {
    const char* name;
    int rowsPerMonth;
    int page;
};

class RecordPageLayout : public ::testing::TestWithParam<RecordPageCase> {};

void expectRowCells(const GumboNode* row, const SimRow& expected, int position) {
    EXPECT_EQ(GumboPage::attribute(row, "class"), position % 2 == 0 ? "td01" : "td02");
    const auto cells = GumboPage::cells(row);
    ASSERT_EQ(cells.size(), 9u);
    const std::vector<std::string> texts = {
        std::to_string(expected.number),        "ADSL",
        SimTime::dateTimeText(expected.from),   SimTime::dateTimeText(expected.to),
        std::to_string(expected.sendKB),        std::to_string(expected.receiveKB),
        std::to_string(expected.bandwidthKB()), SimTime::durationText(expected.duration()),
        std::to_string(expected.chargedKB)};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(GumboPage::innerText(cells[i]), texts[i]) << "cell " << i;
    }
}

} // namespace

TEST_P(RecordPageLayout, holdsWhatTheWalkReadsWhereItReadsIt) {
    const RecordPageCase& param = GetParam();
    SimLog log(7, param.rowsPerMonth, SimTime::fromDate(today, 12 * 3600));
    const SimMonth month{2007, 2};
    const SimRecordPage content = recordPage(log, month, param.page, 20);
    const GumboPage page(SimRecordPageWriter::write(content));

    EXPECT_EQ(monthAtElement34(page), "2007-02");
    const auto tables = page.byTag(GUMBO_TAG_TABLE);
    ASSERT_GE(tables.size(), 5u);
    EXPECT_EQ(page.cellText(3, 1, 3),
              SimRecordPageWriter::gigabytesText(log.month(month).bandwidthKB()));
    EXPECT_EQ(page.cellText(3, 0, 1), "Total Send Volume(GB)");

    const auto rows = GumboPage::rows(tables[4]);
    ASSERT_EQ(rows.size(), 2 + content.rows.size());
    for (std::size_t i = 0; i < content.rows.size(); ++i) {
        expectRowCells(rows[i + 2], content.rows[i], static_cast<int>(i));
    }

    const GumboNode* next = page.link("Next Page");
    if (param.page < content.pageCount) {
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(GumboPage::attribute(next, "href"),
                  SimRecordPageWriter::pageAddress(month, param.page + 1));
        EXPECT_EQ(GumboPage::attribute(next, "target"), "");
    } else {
        EXPECT_EQ(next, nullptr);
    }
    ASSERT_NE(page.link("Homepage"), nullptr);
    // Latin-1 outside the rows: the account table and the footer
    const std::string text = GumboPage::innerText(page.all()[0]);
    EXPECT_NE(text.find("Netravo B\u00e1sico"), std::string::npos);
    EXPECT_NE(text.find("Jos\u00e9"), std::string::npos);
    EXPECT_NE(text.find("\u00a9"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages, RecordPageLayout,
                         ::testing::Values(RecordPageCase{"FirstOfFive", 95, 1},
                                           RecordPageCase{"Middle", 95, 3},
                                           RecordPageCase{"LastShort", 95, 5},
                                           RecordPageCase{"OnlyPage", 7, 1},
                                           RecordPageCase{"EmptyMonth", 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordPage, changedLayoutMovesTheMonthAwayFromElement34ButKeepsTheTables) {
    SimLog log(7, 95, SimTime::fromDate(today, 12 * 3600));
    SimRecordPageFaults faults;
    faults.changedLayout = true;
    const SimRecordPage content = recordPage(log, {2007, 2}, 1, 20);
    const GumboPage page(SimRecordPageWriter::write(content, faults));
    EXPECT_NE(monthAtElement34(page).substr(0, 2), "20");
    EXPECT_EQ(page.cellText(3, 1, 3),
              SimRecordPageWriter::gigabytesText(content.monthSendKB + content.monthReceiveKB));
    EXPECT_EQ(GumboPage::rows(page.byTag(GUMBO_TAG_TABLE)[4]).size(), 22u);
}

TEST(RecordPage, rowTextIsTheSameOnEitherStripeOnceTheStripeIsRemoved) {
    const SimRow row{12, 1000, 4600, 10, 20, 30};
    auto withoutStripe = [](std::string html) {
        for (const char* stripe : {"class=td01 ", "class=td02 "}) {
            if (const auto at = html.find(stripe); at != std::string::npos) {
                html.erase(at, std::string_view(stripe).size());
            }
        }
        return html;
    };
    const std::string even = SimRecordPageWriter::rowHtml(row, 0);
    const std::string odd = SimRecordPageWriter::rowHtml(row, 1);
    EXPECT_NE(even, odd);
    EXPECT_EQ(withoutStripe(even), withoutStripe(odd));
}

TEST(RecordPage, gigabyteTotalsRoundToThreeDecimals) {
    EXPECT_EQ(SimRecordPageWriter::gigabytesText(0), "0.000");
    EXPECT_EQ(SimRecordPageWriter::gigabytesText(1048576), "1.000");
    EXPECT_EQ(SimRecordPageWriter::gigabytesText(524), "0.000");
    EXPECT_EQ(SimRecordPageWriter::gigabytesText(525), "0.001");
    EXPECT_EQ(SimRecordPageWriter::gigabytesText(14015020), "13.366");
}

TEST(PortalPages, loginPageIsTitledPortalWithTheTwoFieldsInFormZero) {
    const GumboPage page(SimPageWriter::loginPage("Invalid user name or password."));
    EXPECT_EQ(page.title(), "portal");
    const auto forms = page.byTag(GUMBO_TAG_FORM);
    ASSERT_FALSE(forms.empty());
    EXPECT_EQ(GumboPage::attribute(forms[0], "method"), "post");
    std::vector<std::string> names;
    for (const GumboNode* input : page.byTag(GUMBO_TAG_INPUT)) {
        names.push_back(GumboPage::attribute(input, "name"));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"username", "Password", "signin"}));
}

TEST(PortalPages, topPageWelcomesAtElement71AndFramesTheGivenAddress) {
    const GumboPage page(SimPageWriter::topPage("Netravo portal - Service Records", "Jos\xe9",
                                                "/records/query", today));
    ASSERT_GT(page.all().size(), 71u);
    EXPECT_EQ(GumboPage::innerText(page.all()[71]), "Jos\u00e9, welcome!");
    const auto frames = page.frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(GumboPage::attribute(frames[0], "src"), "/records/query");
    EXPECT_NE(page.title(), "portal");
    EXPECT_NE(page.title().find("portal"), std::string::npos);
    const GumboNode* records = page.link("Service Records");
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(GumboPage::attribute(records, "href"), "/records");
}

TEST(PortalPages, queryFormOffersSixMonthsBackAndTargetsByLayout) {
    for (const SimLayout layout : {SimLayout::Framed, SimLayout::ExternalStyle}) {
        const GumboPage page(SimPageWriter::queryPage({2007, 2}, layout));
        const auto forms = page.byTag(GUMBO_TAG_FORM);
        ASSERT_FALSE(forms.empty());
        EXPECT_NE(GumboPage::attribute(forms[0], "action").find("Results"), std::string::npos);
        EXPECT_EQ(GumboPage::attribute(forms[0], "target"),
                  layout == SimLayout::Framed ? "" : "_top");
        std::vector<std::string> values;
        for (const GumboNode* input : page.byTag(GUMBO_TAG_INPUT)) {
            if (GumboPage::attribute(input, "name") == "querydate") {
                values.push_back(GumboPage::attribute(input, "value"));
            }
        }
        EXPECT_EQ(values, (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
        EXPECT_EQ(page.cellText(0, 6, 1), "2006-09"); // querydate 5 is five months back
    }
}
