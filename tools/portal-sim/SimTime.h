#pragma once

#include <QDate>
#include <cstdint>
#include <string>

// The portal's clock: civil date-times as whole seconds since 1970-01-01 00:00:00 with no
// time zone, so generating a month never meets a daylight-saving gap.
namespace SimTime {

using Seconds = std::int64_t;
inline constexpr Seconds secondsPerDay = 86400;

Seconds fromDate(QDate date, int secondsOfDay = 0);
QDate dateOf(Seconds t);
int secondsOfDay(Seconds t);

// "YYYY-MM-DD HH:MM:SS", the portal's From and To texts.
std::string dateTimeText(Seconds t);
void appendDateTime(std::string& out, Seconds t);
// "HH:MM:SS"; the hours grow past two digits for very long spans.
std::string durationText(Seconds span);
void appendDuration(std::string& out, Seconds span);

} // namespace SimTime
