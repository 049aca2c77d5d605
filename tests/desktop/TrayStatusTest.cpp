// What the status icon says and draws of a stored month, and which check "Check now" runs.
#include "desktop/TrayStatus.h"

#include <gtest/gtest.h>

namespace {

constexpr int Bbg250 = 0; // 1024 MB; -1: no plan chosen
const QDate March7(2007, 3, 7);

// 1 to 7 March 2007, the same charged usage each day, checked on the 7th at 20:00.
TrayStatus marchOfAlice(std::int64_t kbPerDay, int slot, QDate today,
                        std::optional<QString> file = "/m/2007-03-alice.cache") {
    HistoryMonth month{"2007-03", "alice", {}, file, {}, 0};
    month.figures = {
        70, 7 * kbPerDay, 7 * kbPerDay, 0, 7, CivilDateTime::fromParts(2007, 3, 7, 23)};
    month.fileTimeNs = QDateTime(March7, QTime(20, 0)).toMSecsSinceEpoch() * 1000000;
    std::vector<DayFigures> days;
    for (int day = 1; day <= 7; ++day) {
        days.push_back({"2007-03-0" + std::to_string(day), kbPerDay, kbPerDay, 0});
    }
    return TrayStatus(month, days, {slot, std::nullopt, today}, false);
}

} // namespace

TEST(TrayStatus, ToolTipAndGaugeComeFromTheFigures) {
    using L = TrayStatus::Level;
    const struct {
        std::int64_t kbPerDay;
        int slot;
        QDate now;
        const char* toolTip;
        TrayStatus::Gauge gauge;
    } cases[] = {
        // 655.375 MB of 1024 at 93.625 MB a day: past 1024 MB by the end of the 11th
        {95872,
         Bbg250,
         March7,
         "Veltrix: 64 % of 1024 MB used, 24 days left, checked 20:00\n"
         "At this pace the 1024 MB run out on 11 Mar",
         {0.64, L::Near}},
        {200000,
         Bbg250,
         March7,
         "Veltrix: 134 % of 1024 MB used (over the limit), 24 days left, checked 20:00\n"
         "The 1024 MB ran out by 7 Mar",
         {1, L::Over}},
        {10240,
         -1,
         March7,
         "Veltrix: 70 MB used (choose your plan on the Summary page of the Result window), "
         "checked 20:00",
         {0, L::Unknown}},
        // a month gone by: 70 MB of 1024, 310 MB at its end
        {10240,
         Bbg250,
         QDate(2007, 4, 2),
         "Veltrix: Mar 2007: 7 % of 1024 MB used, checked 7 Mar 20:00",
         {0.068, L::Fine}},
    };
    for (const auto& c : cases) {
        const TrayStatus status = marchOfAlice(c.kbPerDay, c.slot, c.now);
        EXPECT_EQ(status.toolTip(QDateTime(c.now, QTime(21, 0))).toStdString(), c.toolTip);
        EXPECT_NEAR(status.gauge().fraction, c.gauge.fraction, 0.001) << c.toolTip;
        EXPECT_EQ(status.gauge().level, c.gauge.level) << c.toolTip;
    }
}

TEST(TrayStatus, CheckNowLogsInWhenItCanElseOpensTheStoredMonthWhenCachingIsOn) {
    using C = TrayStatus::Check;
    EXPECT_EQ(TrayStatus().toolTip(QDateTime()), "Veltrix: no month checked yet");
    const TrayStatus stored = marchOfAlice(1024, -1, March7);
    EXPECT_EQ(stored.checkNow(true, true), C::PasswordVersion);
    EXPECT_EQ(stored.checkNow(false, true), C::UseCacheData);
    EXPECT_EQ(stored.storedMonthEntry(), "2007-03-alice");
    EXPECT_EQ(stored.checkNow(false, false), C::None);
    // the history keeps a month whose file was deleted: nothing to open
    EXPECT_EQ(marchOfAlice(1024, -1, March7, std::nullopt).checkNow(false, true), C::None);
}
