#pragma once

#include "portal-sim/SimConfig.h"

// The portal the simulator tests share: today 2007-03-15 at noon, 95 rows in a full month
// (five pages of 20), the user "José" with the password "secret"; every page titled "portal"
// when asked.
inline SimConfig simTestConfig(const SimFaults& faults = {}, bool everyPageTitledPortal = false) {
    SimConfig config;
    config.seed = 11;
    config.rowsPerMonth = 95;
    config.pageSize = 20;
    config.today = QDate(2007, 3, 15);
    config.userName = "Jos\u00e9";
    config.password = "secret";
    config.faults = faults;
    config.everyPageTitledPortal = everyPageTitledPortal;
    return config;
}
