#include "portal-sim/SimSite.h"

#include "platform/CivilDateTime.h"
#include "portal-sim/SimRecordPageWriter.h"
#include "portalsim/GumboPage.h"
#include "portalsim/SimTestConfig.h"

#include <gtest/gtest.h>

namespace {

SimResponse request(SimSite& site, const std::string& method, const std::string& path,
                    std::map<std::string, std::string> params = {}, std::string cookie = {}) {
    return site.handle({method, path, std::move(params), std::move(cookie)});
}

// Logs in with the user name as a Latin-1 form sends it; returns the Cookie header.
std::string login(SimSite& site) {
    const SimResponse answer =
        request(site, "POST", "/login", {{"username", "Jos\xe9"}, {"Password", "secret"}});
    EXPECT_EQ(answer.status, 303);
    return answer.setCookie.substr(0, answer.setCookie.find(';'));
}

SimResponse resultsPage(SimSite& site, const std::string& cookie, int page) {
    return request(site, "GET", "/records/Results",
                   {{"month", "2007-02"}, {"page", std::to_string(page)}}, cookie);
}

std::size_t tableCount(const SimResponse& answer) {
    return GumboPage(answer.body).byTag(GUMBO_TAG_TABLE).size();
}

// The log rows of table 4 as cell texts.
std::vector<std::vector<std::string>> logRows(const GumboPage& page) {
    std::vector<std::vector<std::string>> out;
    const auto rows = GumboPage::rows(page.byTag(GUMBO_TAG_TABLE).at(4));
    for (std::size_t i = 2; i < rows.size(); ++i) {
        std::vector<std::string> texts;
        for (const GumboNode* cell : GumboPage::cells(rows[i])) {
            texts.push_back(GumboPage::innerText(cell));
        }
        out.push_back(texts);
    }
    return out;
}

} // namespace

TEST(SimSite, walksFromLoginThroughTheQueryToEveryRecordPage) {
    SimSite site(simTestConfig());
    EXPECT_EQ(GumboPage(request(site, "GET", "/").body).title(), "portal");
    const std::string cookie = login(site);
    const GumboPage home(request(site, "GET", "/home", {}, cookie).body);
    EXPECT_EQ(GumboPage::attribute(home.link("Service Records"), "href"), "/records");
    const GumboPage records(request(site, "GET", "/records", {}, cookie).body);
    EXPECT_EQ(GumboPage::attribute(records.frames().at(0), "src"), "/records/query");

    SimResponse answer = request(site, "POST", "/records/Results", {{"querydate", "1"}}, cookie);
    std::vector<int> numbers;
    for (int pages = 1;; ++pages) {
        ASSERT_EQ(answer.status, 200);
        const GumboPage page(answer.body);
        for (const auto& cells : logRows(page)) {
            numbers.push_back(std::stoi(cells.at(0)));
        }
        const GumboNode* next = page.link("Next Page");
        if (next == nullptr) {
            EXPECT_EQ(pages, 5);
            break;
        }
        const std::string href = GumboPage::attribute(next, "href");
        EXPECT_NE(href.find("Results"), std::string::npos);
        answer = resultsPage(site, cookie, pages + 1);
    }
    ASSERT_EQ(numbers.size(), 95u);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i], 95 - static_cast<int>(i)); // newest first, each row once
    }
    EXPECT_EQ(site.recordPagesServed(), 5);
}

TEST(SimSite, externalStyleResultsArriveAsATopPageFramingTheFirstRecordPage) {
    SimConfig config = simTestConfig();
    config.layout = SimLayout::ExternalStyle;
    SimSite site(config);
    const std::string cookie = login(site);
    const GumboPage query(request(site, "GET", "/records/query", {}, cookie).body);
    EXPECT_EQ(GumboPage::attribute(query.byTag(GUMBO_TAG_FORM).at(0), "action"),
              "/records/ResultsView");
    const GumboPage top(
        request(site, "POST", "/records/ResultsView", {{"querydate", "0"}}, cookie).body);
    EXPECT_EQ(GumboPage::attribute(top.frames().at(0), "src"),
              SimRecordPageWriter::pageAddress({2007, 3}, 1));
    EXPECT_EQ(GumboPage::innerText(top.all().at(71)), "Jos\u00e9, welcome!");
}

TEST(SimSite, wrongOrRejectedLoginsShowTheLoginPageAgainWithoutASession) {
    SimSite site(simTestConfig());
    for (const auto& [user, password] : {std::pair{"Jos\xe9", "wrong"}, {"Jose", "secret"}}) {
        const SimResponse answer =
            request(site, "POST", "/login", {{"username", user}, {"Password", password}});
        EXPECT_EQ(answer.status, 200);
        EXPECT_TRUE(answer.setCookie.empty());
        EXPECT_EQ(GumboPage(answer.body).title(), "portal");
    }
    // a browser that sends the form in UTF-8 gets in as well
    EXPECT_EQ(
        request(site, "POST", "/login", {{"username", "Jos\u00e9"}, {"Password", "secret"}}).status,
        303);

    SimFaults faults;
    faults.rejectLogins = true;
    site.setFaults(faults);
    const SimResponse rejected =
        request(site, "POST", "/login", {{"username", "Jos\xe9"}, {"Password", "secret"}});
    EXPECT_TRUE(rejected.setCookie.empty());
    EXPECT_EQ(GumboPage(rejected.body).title(), "portal");
    EXPECT_EQ(tableCount(resultsPage(site, "", 1)), 0u); // no session, no records
}

TEST(SimSite, aSessionOfOnePortalIsUnknownToAnotherOnTheSameHost) {
    SimSite first(simTestConfig());
    SimSite second(simTestConfig());
    const std::string cookie = login(first);
    login(second);
    EXPECT_EQ(GumboPage(request(first, "GET", "/records", {}, cookie).body).frames().size(), 1u);
    EXPECT_EQ(GumboPage(request(second, "GET", "/records", {}, cookie).body).title(), "portal");
}

TEST(SimSite, sessionExpiresAfterTheGivenNumberOfRecordPages) {
    SimSite site(simTestConfig({.expireAfterPages = 2}));
    const std::string cookie = login(site);
    EXPECT_GE(tableCount(resultsPage(site, cookie, 1)), 5u);
    EXPECT_GE(tableCount(resultsPage(site, cookie, 2)), 5u);
    EXPECT_LT(tableCount(resultsPage(site, cookie, 3)), 2u);
    EXPECT_EQ(GumboPage(request(site, "GET", "/records", {}, cookie).body).title(), "portal");
}

TEST(SimSite, http500AnswersOnlyTheChosenPage) {
    SimSite site(simTestConfig({.http500OnPage = 2}));
    const std::string cookie = login(site);
    EXPECT_EQ(resultsPage(site, cookie, 1).status, 200);
    EXPECT_EQ(resultsPage(site, cookie, 2).status, 500);
    EXPECT_EQ(resultsPage(site, cookie, 3).status, 200);
}

TEST(SimSite, truncatedPageEndsInsideARowWithNoNextPageLink) {
    SimSite site(simTestConfig());
    const std::string cookie = login(site);
    const std::string whole = resultsPage(site, cookie, 2).body;
    SimFaults faults;
    faults.truncatedPage = 2;
    site.setFaults(faults);
    const SimResponse cut = resultsPage(site, cookie, 2);
    EXPECT_EQ(cut.sendOnly, SimResponse::wholeBody);
    EXPECT_EQ(whole.compare(0, cut.body.size(), cut.body), 0);
    const GumboPage page(cut.body);
    const auto rows = logRows(page);
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.back().size(), 9u);
    EXPECT_EQ(page.link("Next Page"), nullptr);
    EXPECT_NE(GumboPage(resultsPage(site, cookie, 1).body).link("Next Page"), nullptr);

    faults.truncateByDroppingConnection = true;
    site.setFaults(faults);
    const SimResponse dropped = resultsPage(site, cookie, 2);
    EXPECT_EQ(dropped.body, whole);
    EXPECT_EQ(dropped.sendOnly, cut.body.size());
}

TEST(SimSite, malformedRowSpoilsExactlyOneCellOfTheChosenPage) {
    for (const SimMalformedRow kind : {SimMalformedRow::BadFrom, SimMalformedRow::BadBandwidth}) {
        SimSite site(simTestConfig({.malformedRowPage = 3, .malformedRow = kind}));
        const std::string cookie = login(site);
        for (int page = 2; page <= 3; ++page) {
            int badFrom = 0, badBandwidth = 0;
            for (const auto& cells : logRows(GumboPage(resultsPage(site, cookie, page).body))) {
                badFrom += CivilDateTime::parse(cells.at(2)) ? 0 : 1;
                badBandwidth +=
                    cells.at(6).find_first_not_of("0123456789") == std::string::npos ? 0 : 1;
            }
            const bool spoilt = page == 3;
            EXPECT_EQ(badFrom, spoilt && kind == SimMalformedRow::BadFrom ? 1 : 0);
            EXPECT_EQ(badBandwidth, spoilt && kind == SimMalformedRow::BadBandwidth ? 1 : 0);
        }
    }
}

TEST(SimSite, adminAddsRowsToTheCurrentMonth) {
    SimSite site(simTestConfig());
    const int before = site.log().month({2007, 3}).rowCount();
    const SimResponse answer = request(site, "POST", "/admin/add-rows", {{"count", "3"}});
    EXPECT_EQ(answer.status, 200);
    EXPECT_NE(answer.body.find("\"rows\": " + std::to_string(before + 3)), std::string::npos);
    EXPECT_EQ(request(site, "POST", "/admin/add-rows", {{"count", "x"}}).status, 400);
    EXPECT_NE(request(site, "GET", "/admin/state").body.find("\"month\": \"2007-03\""),
              std::string::npos);
}
