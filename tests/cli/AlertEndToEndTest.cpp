// A scheduled check's alerts as a script sees them: the real binary against the simulated
// portal, its exit status and the "alerts" of its JSON.
#include "cli/VeltrixProcess.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>

namespace {

class AlertCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(portal.start());
        // February is over: its month-end projection is its usage
        usedMB = static_cast<double>(portal.month(portal.monthBack(1)).bandwidthKB()) / 1024;
        ASSERT_GT(usedMB, 10);
    }

    // A plan of our own with that limit in whole megabytes.
    static QString planAt(double limitMB) {
        return QString("100,%1,0.5").arg(std::llround(limitMB));
    }

    Result check(const QStringList& extra) {
        const QStringList common = {"--quiet", "--month", "1", "--json", "-"};
        return veltrix(checkOf(portal.baseUrl()) + common + extra, "secret\n");
    }

    SimulatedPortal portal{simTestConfig()};
    double usedMB = 0;
};

} // namespace

TEST_F(AlertCheck, ExitStatusTellsWhichRuleFired) {
    const QString halfUsed = planAt(usedMB * 2);    // about 50% used
    const QString overLimit = planAt(usedMB * 0.8); // about 125% used
    const struct {
        QStringList options;
        int status;
    } cases[] = {
        {{"--custom-plan", halfUsed, "--alert-at", "45"}, 10},
        {{"--custom-plan", halfUsed, "--alert-at", "55", "--alert-projected"}, 0},
        {{"--custom-plan", overLimit, "--alert-at", "200", "--alert-projected"}, 11},
        {{"--plan", "BB Home UL 499", "--alert-at", "1", "--alert-projected"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const Result run = check(c.options);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        const nlohmann::json alerts = run.json()["alerts"];
        EXPECT_EQ(alerts.size(), c.status == 0 ? 0U : 1U);
        for (const auto& reason : alerts) {
            EXPECT_NE(run.err.find("veltrix: alert: " + reason.get<std::string>()),
                      std::string::npos)
                << run.err;
        }
    }
}

TEST_F(AlertCheck, FailuresKeepTheirOwnStatus) {
    const Result noPlan = check({"--alert-at", "80"});
    EXPECT_EQ(noPlan.exitCode, 2);
    EXPECT_EQ(portal.requestsServed(), 0); // refused before the portal is asked
    EXPECT_NE(noPlan.err.find("need a plan"), std::string::npos) << noPlan.err;

    portal.setFaults({.rejectLogins = true});
    const Result rejected = check({"--custom-plan", planAt(usedMB / 2), "--alert-at", "1"});
    EXPECT_EQ(rejected.exitCode, 1) << rejected.err;
    EXPECT_EQ(rejected.out, "");
}
