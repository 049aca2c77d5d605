#pragma once

#include "portal-sim/SimTime.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// One calendar month of the log, written "YYYY-MM".
struct SimMonth {
    int year = 0;
    int month = 0;

    static SimMonth of(QDate date) { return {date.year(), date.month()}; }
    // Reads "YYYY-MM" from 1970 on; anything else gives nothing.
    static std::optional<SimMonth> parse(std::string_view text);

    SimMonth back(int months) const;
    QDate firstDay() const { return {year, month, 1}; }
    SimTime::Seconds start() const { return SimTime::fromDate(firstDay()); }
    SimTime::Seconds end() const { return SimTime::fromDate(firstDay().addMonths(1)); }
    std::string text() const;
    int key() const { return year * 12 + month - 1; }

    friend auto operator<=>(const SimMonth&, const SimMonth&) = default;
};
