#pragma once

#include <nlohmann/json.hpp>
#include <string>

struct MonthResult;

// The month's report as the command line writes it with --json (schema 2): the totals and
// days as numbers, the report page's own texts under "report_texts", the class of every row.
nlohmann::ordered_json reportJson(const MonthResult& result, const std::string& user);
