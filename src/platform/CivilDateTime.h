#pragma once

#include <QDate>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

// A date and time of day as the portal writes it: no time zone, no daylight saving.
// Comparing, grouping by day and counting days never goes through a clock, so a
// daylight-saving change cannot move a day's boundary or the night window.
class CivilDateTime {
public:
    CivilDateTime() = default;
    CivilDateTime(QDate date, int secondsOfDay)
        : m_date(date)
        , m_seconds(secondsOfDay) {}
    static CivilDateTime fromParts(int year, int month, int day, int hour = 0, int minute = 0,
                                   int second = 0);

    // Reads "YYYY-MM-DD HH:MM:SS" (also "YYYY-MM-DD HH:MM", "YYYY-MM-DD", "/" or "." as the
    // date separator); surrounding blanks are ignored. Anything else gives nothing.
    static std::optional<CivilDateTime> parse(std::string_view text);

    QDate date() const { return m_date; }
    int secondsOfDay() const { return m_seconds; }
    bool isValid() const { return m_date.isValid(); }

    // Midnight of the same day plus the given hours.
    CivilDateTime atHour(int hour) const { return {m_date, hour * 3600}; }

    // "YYYY-MM-DD HH:MM:SS"
    std::string toText() const;

    friend std::strong_ordering operator<=>(const CivilDateTime& a, const CivilDateTime& b) {
        if (a.m_date != b.m_date) {
            return a.m_date.toJulianDay() <=> b.m_date.toJulianDay();
        }
        return a.m_seconds <=> b.m_seconds;
    }
    friend bool operator==(const CivilDateTime& a, const CivilDateTime& b) = default;

private:
    QDate m_date;
    int m_seconds = 0;
};
