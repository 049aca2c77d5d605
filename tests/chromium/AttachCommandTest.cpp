// `veltrix check --attach` as a user runs it: the real binary on the browser the user has
// logged into, against a Password Version run of the same month.
#include "chromium/ChromiumBrowser.h"
#include "cli/VeltrixProcess.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(AttachCommand, PrintsWhatThePasswordVersionPrintsForTheMonthInTheBrowser) {
    if (ChromiumBrowser::binary().isEmpty()) {
        GTEST_SKIP() << "no chromium binary installed: the browser attach is not tested here";
    }
    SimConfig config = simTestConfig();
    config.layout = SimLayout::ExternalStyle;
    SimulatedPortal portal(config);
    ASSERT_TRUE(portal.start());
    ChromiumBrowser chromium;
    QString why;
    ASSERT_TRUE(chromium.start(QString::fromStdString(portal.baseUrl()), &why))
        << why.toStdString();
    ASSERT_TRUE(chromium.openFirstRecordPage("Jos\u00e9", "secret", 1));
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
    const auto json = attached.json();
    EXPECT_EQ(json, typed.json());
    EXPECT_EQ(json["pages_fetched"], 5);

    // a login for a run that logs in itself has no place beside --attach
    const Result mixed = veltrix({"check", "--attach", "--user", "x"});
    EXPECT_NE(mixed.exitCode, 0);
    EXPECT_NE(mixed.err.find("--attach"), std::string::npos) << mixed.err;
}
