#pragma once

// One plan's terms read as numbers: charge in rupees, limit in MB (-1 unlimited), rupees per
// MB above the limit, and whether usage in the free night hours goes uncharged.
struct PlanTerms {
    double charge = 0;
    double limitMB = 0;
    double rate = 0;
    bool nightUnlimited = false;

    bool unlimited() const { return limitMB == -1; }
    // The limit the bill works from: a limit of 0 is billed as 1 MB, as the summary page does.
    double billedLimitMB() const { return limitMB == 0 ? 1 : limitMB; }
};
