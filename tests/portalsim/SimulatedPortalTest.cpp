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

// A cell of a page as the browser reads it: decoded as declared and parsed into our document.
std::string cellText(const httplib::Result& answer, std::size_t table, std::size_t row,
                     std::size_t cell) {
    const auto page = Document::parse(
        TextEncoding::decodePage(answer->body, answer->get_header_value("Content-Type")));
    return page->getElementsByTagName("table")
        .at(table)
        ->rows()
        .at(row)
        ->cells()
        .at(cell)
        ->innerText();
}

} // namespace

// A second portal cannot take a port in use; only the right password opens the Latin-1 record
// pages; rows added between walks (also by the admin address the comparison script uses)
// appear on the first page.
TEST(SimulatedPortal, loginOpensTheLatin1RecordPagesAndAddedRowsComeFirst) {
    SimulatedPortal portal(simTestConfig());
    ASSERT_TRUE(portal.start());
    EXPECT_FALSE(SimulatedPortal(simTestConfig()).start(portal.port())); // a taken port
    httplib::Client client("127.0.0.1", portal.port());
    const auto login = [&client](const char* password) {
        return client.Post("/login", std::string("username=Jos%E9&Password=") + password,
                           "application/x-www-form-urlencoded");
    };
    const auto wrong = login("nope");
    ASSERT_TRUE(wrong);
    EXPECT_FALSE(wrong->has_header("Set-Cookie"));
    const auto right = login("secret");
    ASSERT_TRUE(right && right->status == 303);
    const std::string cookie = right->get_header_value("Set-Cookie");
    const httplib::Headers session = {{"Cookie", cookie.substr(0, cookie.find(';'))}};
    const auto records = client.Get("/records/Results?month=2007-03&page=1", session);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->get_header_value("Content-Type"), "text/html; charset=ISO-8859-1");
    EXPECT_EQ(cellText(records, 3, 1, 3),
              SimRecordPageWriter::gigabytesText(portal.month({2007, 3}).bandwidthKB()));
    EXPECT_NE(records->body.find("Jos\xe9"), std::string::npos); // sent as Latin-1
    EXPECT_EQ(portal.recordPagesServed(), 1);

    const int before = portal.month({2007, 3}).rowCount();
    EXPECT_EQ(portal.addRows(2), before + 2);
    const auto admin =
        client.Post("/admin/add-rows", "count=1", "application/x-www-form-urlencoded");
    ASSERT_TRUE(admin);
    EXPECT_EQ(nlohmann::json::parse(admin->body).at("rows"), before + 3);
    const auto first = client.Get("/records/Results?month=2007-03&page=1", session);
    EXPECT_EQ(cellText(first, 4, 2, 0), std::to_string(before + 3));
    EXPECT_EQ(cellText(first, 4, 3, 0), std::to_string(before + 2));
}
