// What the status icon says and draws of a stored month, and which check "Check now" runs.
#include "desktop/TrayStatus.h"

#include "analysis/PlanCatalogue.h"

#include <gtest/gtest.h>

namespace {

int slotOf(const std::string& name) {
    for (int slot = 0; slot < PlanCatalogue::RowCount; ++slot) {
        if (PlanCatalogue::holdsPlan(slot) && PlanCatalogue::plan(slot).name == name) {
            return slot;
        }
    }
    return -1;
}

// 1 to 7 March 2007, the same charged usage each day, checked on the 7th at 20:00.
TrayStatus marchOfAlice(std::int64_t kbPerDay, int slot, QDate today,
                        std::optional<QString> file = "/m/2007-03-alice.cache") {
    HistoryMonth month{
        "2007-03",    "alice",
        {},           file,
        std::nullopt, QDateTime(QDate(2007, 3, 7), QTime(20, 0)).toMSecsSinceEpoch() * 1000000};
    std::vector<DayFigures> days;
    for (int day = 1; day <= 7; ++day) {
        days.push_back(
            {QDate(2007, 3, day).toString(Qt::ISODate).toStdString(), kbPerDay, kbPerDay, 0});
    }
    month.figures = {
        70, 7 * kbPerDay, 7 * kbPerDay, 0, 7, CivilDateTime::fromParts(2007, 3, 7, 23, 0)};
    return TrayStatus(month, days, {slot, std::nullopt, today}, false);
}

struct TrayCase {
    const char* name;
    std::int64_t kbPerDay;
    const char* plan;
    QDate now;
    const char* toolTip;
    double fraction;
    TrayStatus::Level level;
};

class TrayMonth : public ::testing::TestWithParam<TrayCase> {};

} // namespace

TEST_P(TrayMonth, ToolTipAndGaugeComeFromTheFigures) {
    const TrayCase& c = GetParam();
    const TrayStatus status = marchOfAlice(c.kbPerDay, slotOf(c.plan), c.now);
    EXPECT_EQ(status.toolTip(QDateTime(c.now, QTime(21, 0))).toStdString(), c.toolTip);
    EXPECT_NEAR(status.gauge().fraction, c.fraction, 0.001);
    EXPECT_EQ(status.gauge().level, c.level);
}

using L = TrayStatus::Level;
const QDate March7(2007, 3, 7);
INSTANTIATE_TEST_SUITE_P(
    Cases, TrayMonth,
    ::testing::Values(
        // 655.375 MB of 1024 at 93.625 MB a day: past 1024 MB by the end of the 11th
        TrayCase{"RunsOutAtThisPace", 95872, "BBG 250", March7,
                 "Veltrix: 64 % of 1024 MB used, 24 days left, checked 20:00\n"
                 "At this pace the 1024 MB run out on 11 Mar",
                 0.64, L::Near},
        TrayCase{"LastsTheMonth", 10240, "BBG 250", March7,
                 "Veltrix: 7 % of 1024 MB used, 24 days left, checked 20:00", 0.068, L::Fine},
        TrayCase{"OverTheLimit", 200000, "BBG 250", March7,
                 "Veltrix: 134 % of 1024 MB used (over the limit), 24 days left, checked "
                 "20:00\nThe 1024 MB ran out by 7 Mar",
                 1, L::Over},
        TrayCase{"NoPlanChosen", 10240, "", March7,
                 "Veltrix: 70 MB used (choose your plan on the Summary page of the Result "
                 "window), checked 20:00",
                 0, L::Unknown},
        TrayCase{"AMonthGoneBy", 10240, "BBG 250", QDate(2007, 4, 2),
                 "Veltrix: Mar 2007: 7 % of 1024 MB used, checked 7 Mar 20:00", 0.068, L::Fine}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrayStatus, CheckNowLogsInWhenItCanElseOpensTheStoredMonthWhenCachingIsOn) {
    using C = TrayStatus::Check;
    const TrayStatus none;
    EXPECT_EQ(none.toolTip(QDateTime::currentDateTime()), "Veltrix: no month checked yet");
    EXPECT_EQ(none.checkNow(true, false), C::PasswordVersion);
    EXPECT_EQ(none.checkNow(false, true), C::None);
    const TrayStatus stored = marchOfAlice(1024, -1, March7);
    EXPECT_EQ(stored.checkNow(true, true), C::PasswordVersion);
    EXPECT_EQ(stored.checkNow(false, true), C::UseCacheData);
    EXPECT_EQ(stored.storedMonthEntry(), "2007-03-alice");
    EXPECT_EQ(stored.checkNow(false, false), C::None);
    // the history keeps a month whose file was deleted: nothing to open
    EXPECT_EQ(marchOfAlice(1024, -1, March7, std::nullopt).checkNow(false, true), C::None);
}
