#include "cli/AlertDelivery.h"

#include "cli/AlertOptions.h"
#include "cli/CliError.h"
#include "platform/DesktopNotifier.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const UsageAlert Reached{UsageAlert::Kind::Reached, "reached"};
const UsageAlert Projected{UsageAlert::Kind::Projected, "projected"};

// The status the delivery ends with (0 when it returns).
int deliver(const std::vector<UsageAlert>& alerts, bool notify, RecordingNotifier& notifier,
            std::ostringstream& err) {
    AlertOptions options;
    options.notify = notify;
    try {
        AlertDelivery::finish(alerts, options, err, notifier);
    } catch (const CompletedWithStatus& completed) {
        return completed.exitCode();
    }
    return 0;
}

} // namespace

TEST(AlertDelivery, NotifiesOnlyWhenAskedAndAnAlertWasRaised) {
    RecordingNotifier notifier;
    std::ostringstream err;
    EXPECT_EQ(deliver({}, true, notifier, err), 0);
    EXPECT_EQ(deliver({Reached}, false, notifier, err), 10);
    EXPECT_TRUE(notifier.shown.empty());
    EXPECT_EQ(err.str(), "veltrix: alert: reached\n");

    EXPECT_EQ(deliver({Reached, Projected}, true, notifier, err), 10);
    EXPECT_EQ(deliver({Projected}, true, notifier, err), 11);
    ASSERT_EQ(notifier.shown.size(), 2U);
    EXPECT_EQ(notifier.shown[0].body, "reached\nprojected");
    EXPECT_EQ(notifier.shown[0].urgency, DesktopNotifier::Urgency::Critical);
    EXPECT_EQ(notifier.shown[1].summary, "Broadband usage alert");
    EXPECT_EQ(notifier.shown[1].urgency, DesktopNotifier::Urgency::Normal);
}

TEST(AlertDelivery, ADesktopThatRefusesIsOneLineAndTheStatusStays) {
    RecordingNotifier notifier;
    notifier.refusal = "no desktop notification service (gone)";
    std::ostringstream err;
    EXPECT_EQ(deliver({Projected}, true, notifier, err), 11);
    EXPECT_EQ(err.str(), "veltrix: alert: projected\n"
                         "veltrix: notification not shown: no desktop notification service "
                         "(gone)\n");
}
