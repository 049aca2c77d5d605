#pragma once

#include "platform/Clock.h"

// A date and time fixed by the test; noon unless it says otherwise.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate today, QTime time = QTime(12, 0))
        : m_now(today, time) {}
    QDateTime now() const override { return m_now; }

private:
    QDateTime m_now;
};
