#pragma once

#include <QDate>

// Where "today" comes from. The summary and the month choices ask a Clock, so tests and
// the command line (--today) can fix the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// The machine's own calendar date.
class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

// A date fixed by the caller.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate today)
        : m_today(today) {}
    QDate today() const override { return m_today; }

private:
    QDate m_today;
};
