#pragma once

#include <QDate>
#include <optional>

// The custom plan as the three entry boxes hold it.
struct CustomPlanValues {
    double nebPlanCharge = 0;
    double nebBandWidthLimit = 0;
    double nebRsPerMB = 0;
};

// The plan a month is billed on, as a command or a window chose it.
struct PlanChoice {
    int slot = -1; // the chosen plan's catalogue slot; -1 when none is chosen
    std::optional<CustomPlanValues> custom;
    QDate today; // the day the summary counts from
    bool comparePlans = false;
};
