#include "portal-sim/SimulatedPortal.h"

#include "platform/TextEncoding.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "portal-sim/SimRecordPageWriter.h"
#include "portalsim/SimTestConfig.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

namespace {

// A page as the browser reads it: decoded as declared and parsed into our document.
std::unique_ptr<Document> pageOf(const httplib::Result& answer) {
    return Document::parse(
        TextEncoding::decodePage(answer->body, answer->get_header_value("Content-Type")));
}

std::string cellText(const Document& page, std::size_t table, std::size_t row, std::size_t cell) {
    const auto& rows = page.getElementsByTagName("table").at(table)->rows();
    return rows.at(row)->cells().at(cell)->innerText();
}

class PortalOverHttp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_portal.start());
        m_client = std::make_unique<httplib::Client>("127.0.0.1", m_portal.port());
    }

    // Logs in (the user name percent-encoded as Latin-1) and returns the Cookie header.
    std::string login() {
        const auto answer = m_client->Post("/login", "username=Jos%E9&Password=secret",
                                           "application/x-www-form-urlencoded");
        EXPECT_TRUE(answer && answer->status == 303);
        const std::string cookie = answer ? answer->get_header_value("Set-Cookie") : "";
        return cookie.substr(0, cookie.find(';'));
    }

    httplib::Result firstRecordPage(const std::string& cookie, int page = 1) {
        return m_client->Get(
            ("/records/Results?month=2007-03&page=" + std::to_string(page)).c_str(),
            {{"Cookie", cookie}});
    }

    SimulatedPortal m_portal{simTestConfig()};
    std::unique_ptr<httplib::Client> m_client;
};

} // namespace

TEST_F(PortalOverHttp, loginSetsASessionCookieThatOpensTheLatin1RecordPages) {
    const auto wrong = m_client->Post("/login", "username=Jos%E9&Password=nope",
                                      "application/x-www-form-urlencoded");
    ASSERT_TRUE(wrong);
    EXPECT_FALSE(wrong->has_header("Set-Cookie"));
    EXPECT_EQ(pageOf(wrong)->title(), "portal");

    const std::string cookie = login();
    ASSERT_FALSE(cookie.empty());
    const auto records = firstRecordPage(cookie);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->get_header_value("Content-Type"), "text/html; charset=ISO-8859-1");
    EXPECT_NE(records->body.find("charset=ISO-8859-1\">"), std::string::npos);
    EXPECT_EQ(cellText(*pageOf(records), 3, 1, 3),
              SimRecordPageWriter::gigabytesText(m_portal.month({2007, 3}).bandwidthKB()));
    EXPECT_NE(records->body.find("Jos\xe9"), std::string::npos); // sent as Latin-1
    EXPECT_EQ(m_portal.recordPagesServed(), 1);
}

TEST_F(PortalOverHttp, rowsAddedBetweenWalksAppearOnTheFirstPage) {
    const std::string cookie = login();
    const int before = m_portal.month({2007, 3}).rowCount();
    EXPECT_EQ(m_portal.addRows(2), before + 2);
    const auto admin = m_client->Post("/admin/add-rows?count=1", "", "text/plain");
    ASSERT_TRUE(admin);
    EXPECT_EQ(nlohmann::json::parse(admin->body).at("rows"), before + 3);
    const auto http = pageOf(firstRecordPage(cookie));
    EXPECT_EQ(cellText(*http, 4, 2, 0), std::to_string(before + 3));
    EXPECT_EQ(cellText(*http, 4, 3, 0), std::to_string(before + 2));
}

TEST(SimulatedPortal, twoPortalsRunSideBySideAndStopCleanly) {
    SimulatedPortal first(simTestConfig());
    SimulatedPortal second(simTestConfig());
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    EXPECT_FALSE(SimulatedPortal(simTestConfig()).start(first.port())); // port taken
    first.stop();
    EXPECT_FALSE(first.isRunning());
    httplib::Client client("127.0.0.1", second.port());
    const auto answer = client.Get("/");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);
}
