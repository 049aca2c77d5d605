#pragma once

#include <nlohmann/json.hpp>
#include <string>

class ReportBuilder;
class HeadlessResultView;

// The month's figures as the command line prints them with --json: the texts put into the
// report, the totals, the days (top of the report first) and the chart texts.
nlohmann::ordered_json reportJson(const ReportBuilder& builder, const HeadlessResultView& view,
                                  const std::string& user);
