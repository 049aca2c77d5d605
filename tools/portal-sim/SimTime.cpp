#include "portal-sim/SimTime.h"

namespace {

// Julian day number of 1970-01-01.
constexpr qint64 epochJulianDay = 2440588;

void appendDigits(std::string& out, std::int64_t value, int width) {
    char buffer[24];
    int length = 0;
    do {
        buffer[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = length; pad < width; ++pad) {
        out.push_back('0');
    }
    while (length > 0) {
        out.push_back(buffer[--length]);
    }
}

} // namespace

namespace SimTime {

Seconds fromDate(QDate date, int secondsOfDay) {
    return (date.toJulianDay() - epochJulianDay) * secondsPerDay + secondsOfDay;
}

QDate dateOf(Seconds t) {
    const Seconds day = t >= 0 ? t / secondsPerDay : (t - secondsPerDay + 1) / secondsPerDay;
    return QDate::fromJulianDay(day + epochJulianDay);
}

int secondsOfDay(Seconds t) {
    const Seconds rest = t % secondsPerDay;
    return static_cast<int>(rest < 0 ? rest + secondsPerDay : rest);
}

std::string dateTimeText(Seconds t) {
    std::string text;
    appendDateTime(text, t);
    return text;
}

void appendDateTime(std::string& text, Seconds t) {
    int year = 0, month = 0, day = 0;
    dateOf(t).getDate(&year, &month, &day);
    const int inDay = secondsOfDay(t);
    appendDigits(text, year, 4);
    text.push_back('-');
    appendDigits(text, month, 2);
    text.push_back('-');
    appendDigits(text, day, 2);
    text.push_back(' ');
    appendDigits(text, inDay / 3600, 2);
    text.push_back(':');
    appendDigits(text, inDay / 60 % 60, 2);
    text.push_back(':');
    appendDigits(text, inDay % 60, 2);
}

std::string durationText(Seconds span) {
    std::string text;
    appendDuration(text, span);
    return text;
}

void appendDuration(std::string& text, Seconds span) {
    appendDigits(text, span / 3600, 2);
    text.push_back(':');
    appendDigits(text, span / 60 % 60, 2);
    text.push_back(':');
    appendDigits(text, span % 60, 2);
}

} // namespace SimTime
