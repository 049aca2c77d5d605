#pragma once

#include <string>

class ReportBuilder;
class HeadlessResultView;

// The month's report as a person reads it in a terminal: what the report holds, then one
// line per day, newest first as in the report.
namespace ReportText {
std::string render(const ReportBuilder& builder, const HeadlessResultView& view,
                   const std::string& user, bool colour);
}
