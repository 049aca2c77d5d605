#pragma once

#include "platform/CivilDateTime.h"

#include <string_view>

// Free night-time, mixed or non-free usage of one log row.
enum class UsageType { Free, Mixed, NonFree };

// The word used for the row's usagetype attribute and class: "free", "mixed", "nonfree".
std::string_view usageTypeName(UsageType type);

// Without the night-unlimited plan every row is non-free. With it, the free window is
// 02:00 to 08:00 of the day on which the row ends. `sameDay` says whether the From and To
// texts begin with the same ten characters (the date).
UsageType classifyRow(const CivilDateTime& from, const CivilDateTime& to, bool sameDay,
                      bool nightUnlimitedPlan);
