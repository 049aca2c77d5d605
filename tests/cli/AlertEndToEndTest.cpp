// A scheduled check's alert options against the simulated portal: a failure keeps its own
// status, and a check that cannot alert is refused before the portal is asked. (Which rule
// fires is the analysis tests' work; the alert statuses and JSON the report command's.)
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
