// `veltrix check --attach` as a user runs it: the real binary on the browser the user has
// logged into, against a Password Version run of the same month.
#include "chromium/PortalInUsersBrowser.h"
#include "cli/VeltrixProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(AttachCommand, PrintsWhatThePasswordVersionPrintsForTheMonthInTheBrowser) {
    if (ChromiumBrowser::binary().isEmpty()) {
        GTEST_SKIP() << "no chromium binary installed: the browser attach is not tested here";
    }
    PortalInUsersBrowser user;
    ASSERT_EQ(user.open(1), "");
    SimulatedPortal& portal = user.portal;
    ChromiumBrowser& chromium = user.chromium;
    QTemporaryDir data;
    const QStringList common = {"--quiet", "--data-dir",        data.path(), "--json",
                                "-",       "--night-unlimited", "--today",   "2007-03-15"};

    const Result attached =
        veltrix(QStringList{"check", "--attach", QString::number(chromium.port())} + common);
    ASSERT_EQ(attached.exitCode, 0) << attached.err;
    const Result typed =
        veltrix(QStringList{"check", "--portal", QString::fromStdString(portal.baseUrl()), "--user",
                            "Jos\u00e9", "--password-stdin", "--month", "1"} +
                    common,
                "secret\n");
    ASSERT_EQ(typed.exitCode, 0) << typed.err;
    auto json = attached.json();
    EXPECT_EQ(json["attached_window"], portal.baseUrl() + "records/ResultsView");
    json.erase("attached_window");
    EXPECT_EQ(json, typed.json());
    EXPECT_EQ(json["pages_fetched"], 5);

    // with the portal named only its site is read: the same window under another host name
    // counts as another site
    const QString elsewhereSite =
        QString::fromStdString(portal.baseUrl()).replace("127.0.0.1", "localhost");
    const Result elsewhere =
        veltrix(QStringList{"check", "--attach", QString::number(chromium.port()), "--portal",
                            elsewhereSite} +
                common);
    EXPECT_NE(elsewhere.err.find("on other sites than localhost were not read: " +
                                 portal.baseUrl() + "records/ResultsView"),
              std::string::npos)
        << elsewhere.err;
}
