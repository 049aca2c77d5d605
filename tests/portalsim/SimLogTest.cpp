#include "portal-sim/SimLog.h"

#include "platform/CivilDateTime.h"
#include "portal-sim/SimRecordPageWriter.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using SimTime::Seconds;

const QDate today(2007, 3, 15);
const Seconds noon = SimTime::fromDate(today, 12 * 3600);

Seconds at(int day, int hour, int minute = 0) {
    return SimTime::fromDate(QDate(2007, 3, day), hour * 3600 + minute * 60);
}

bool crosses(const SimRow& row, int hour) {
    const Seconds boundary = SimTime::fromDate(SimTime::dateOf(row.to), hour * 3600);
    return row.from < boundary && boundary < row.to;
}

} // namespace

TEST(SimMonthGenerator, sameSeedAndMonthGiveTheSameRowsWhateverCameBefore) {
    const SimMonthGenerator generator(42, 300);
    const auto february = generator.month({2007, 2});
    generator.month({2007, 1});
    EXPECT_EQ(generator.month({2007, 2}), february);
    EXPECT_NE(SimMonthGenerator(43, 300).month({2007, 2}), february);
}

// Ordered, separate and consistent rows, and among them the sessions the analysis must split:
// across midnight, across the night window's edges, wholly free and partly charged.
TEST(SimMonthGenerator, monthRowsAreOrderedSeparateConsistentAndCrossTheNightWindow) {
    const SimMonth month{2007, 2};
    const auto rows = SimMonthGenerator(9, 2000).month(month);
    ASSERT_EQ(rows.size(), 2000u);
    int overMidnight = 0, over2 = 0, over8 = 0, free = 0, mixed = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SimRow& row = rows[i];
        EXPECT_EQ(row.number, static_cast<int>(i) + 1);
        EXPECT_GE(row.from, month.start());
        EXPECT_LT(row.from, month.end());
        EXPECT_GT(row.to, row.from);
        if (i > 0) {
            EXPECT_GE(row.from, rows[i - 1].to) << "row " << row.number << " overlaps";
        }
        EXPECT_GT(row.bandwidthKB(), 0);
        EXPECT_LT(row.bandwidthKB(), std::int64_t{1} << 31);
        EXPECT_EQ(row.chargedKB, SimMonthGenerator::chargedKB(row.from, row.to, row.bandwidthKB()));
        // the report reads these texts back with the program's own date-time parser
        const auto from = CivilDateTime::parse(SimTime::dateTimeText(row.from));
        ASSERT_TRUE(from.has_value());
        EXPECT_EQ(SimTime::fromDate(from->date(), from->secondsOfDay()), row.from);
        overMidnight += SimTime::dateOf(row.from) != SimTime::dateOf(row.to) ? 1 : 0;
        over2 += crosses(row, 2) ? 1 : 0;
        over8 += crosses(row, 8) ? 1 : 0;
        free += row.chargedKB == 0 ? 1 : 0;
        mixed += row.chargedKB > 0 && row.chargedKB < row.bandwidthKB() ? 1 : 0;
    }
    EXPECT_GT(std::min({overMidnight, over2, over8}), 3);
    EXPECT_GT(free, 30);
    EXPECT_GT(mixed, 10);
}

// The charged part is the share of the session outside the night window of the day it ends.
TEST(SimMonthGenerator, chargedPartIsTheTimeOutsideTheEndDaysNightWindow) {
    const struct {
        const char* name;
        Seconds from;
        Seconds to;
        std::int64_t expected; // of 1000 KB
    } cases[] = {
        {"inside the window", at(5, 3), at(5, 7), 0},
        {"daytime", at(5, 8), at(5, 10), 1000},
        {"ends at eight", at(5, 7, 59), at(5, 8), 0},
        {"across two", at(5, 1), at(5, 3), 500},
        {"across eight", at(5, 7), at(5, 10), 667},
        {"across the whole window", at(5, 0), at(5, 10), 400},
        {"ends the next day before two", at(5, 3), at(6, 1), 1000},
        {"midnight into the window", at(5, 23), at(6, 5), 500},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SimMonthGenerator::chargedKB(c.from, c.to, 1000), c.expected) << c.name;
    }
}

TEST(SimLog, currentMonthListsOnlyWhatEndedByNowAndNewRowsGoOnTop) {
    SimLog log(5, 400, noon);
    const SimMonth month = log.currentMonth();
    const SimMonthLog before = log.month(month);
    ASSERT_GT(before.rowCount(), 100);
    EXPECT_LT(before.rowCount(), 400);
    EXPECT_LE(before.rowsOldestFirst().back().to, noon);
    EXPECT_EQ(log.month({2007, 2}).rowCount(), 400);
    EXPECT_EQ(log.month({2007, 4}).rowCount(), 0);
    EXPECT_EQ(log.monthBack(3).text(), "2006-12");

    const int added = 3;
    log.addRows(added);
    const SimMonthLog& after = log.month(month);
    ASSERT_EQ(after.rowCount(), before.rowCount() + added);
    const auto newPage1 = after.page(1, 20);
    const auto oldPage1 = before.page(1, 20);
    EXPECT_EQ(newPage1[0].number, before.rowCount() + added);
    EXPECT_GE(newPage1[added - 1].from, oldPage1[0].to);
    EXPECT_EQ(newPage1[added], oldPage1[0]); // position 0 -> 3: its stripe flips
    EXPECT_EQ(after.page(2, 20)[added - 1], oldPage1.back());
    EXPECT_EQ(after.bandwidthKB(), before.bandwidthKB() + newPage1[0].bandwidthKB() +
                                       newPage1[1].bandwidthKB() + newPage1[2].bandwidthKB());
    SimLog twin(5, 400, noon); // the same seed adds the same rows
    twin.addRows(added);
    EXPECT_EQ(twin.month(month).rowsOldestFirst(), after.rowsOldestFirst());
}
