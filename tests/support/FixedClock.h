#pragma once

#include "platform/Clock.h"

// A date fixed by the test.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate today)
        : m_today(today) {}
    QDate today() const override { return m_today; }

private:
    QDate m_today;
};
