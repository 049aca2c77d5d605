#include "report/UsageType.h"

std::string_view usageTypeName(UsageType type) {
    switch (type) {
    case UsageType::Free:
        return "free";
    case UsageType::Mixed:
        return "mixed";
    case UsageType::NonFree:
        break;
    }
    return "nonfree";
}

UsageType classifyRow(const CivilDateTime& from, const CivilDateTime& to, bool sameDay,
                      bool nightUnlimitedPlan) {
    if (!nightUnlimitedPlan) {
        return UsageType::NonFree;
    }
    const CivilDateTime windowStart = to.atHour(2);
    const CivilDateTime windowEnd = to.atHour(8);
    if (windowStart <= from && from < windowEnd) {
        return sameDay && to < windowEnd ? UsageType::Free : UsageType::Mixed;
    }
    if (windowStart <= to && to < windowEnd) {
        return UsageType::Mixed;
    }
    if (from < windowStart && to >= windowEnd) {
        return UsageType::Mixed;
    }
    return UsageType::NonFree;
}
