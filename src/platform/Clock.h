#pragma once

#include <QDate>

// Where "today" comes from. The summary and the month choices ask a Clock, so tests can fix
// the date.
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
