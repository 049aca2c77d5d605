#pragma once

#include <nlohmann/json.hpp>

struct MonthSummary;

// The summary's members of a command's JSON object (schema 2), in this order: "plan" (null
// without a plan), "summary" (the figures as numbers, and under "window" the summary page's
// texts, visibility and quota bar keyed by control name; null without a plan), "projection"
// (with the day the quota runs out and what is left a day; null without a plan) and, when asked
// for, "compare_plans". Megabytes are rounded to three decimals, money to two, as the page shows
// them.
namespace SummaryJson {

nlohmann::ordered_json fragments(const MonthSummary& summary);

} // namespace SummaryJson
