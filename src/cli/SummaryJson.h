#pragma once

#include <nlohmann/json.hpp>

struct MonthSummary;

// The summary's members of a command's JSON object: "plan" (null without a plan), "summary"
// (the page's texts exactly as shown, "visible" and "bar"), "projection" (null without a
// plan) and, when asked for, "compare_plans", in that order (an ordered object; it converts
// to nlohmann::json by assignment). Amounts in "projection" and "compare_plans"
// are numbers rounded as the page shows them: megabytes to 3 decimals, rupees to 2.
namespace SummaryJson {

nlohmann::ordered_json fragments(const MonthSummary& report);

} // namespace SummaryJson
