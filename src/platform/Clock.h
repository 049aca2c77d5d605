#pragma once

#include <QDate>
#include <QDateTime>

// Where "now" and "today" come from. The summary, the month choices and the status icon ask a
// Clock, so tests can fix the date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

// The machine's own local date and time.
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
