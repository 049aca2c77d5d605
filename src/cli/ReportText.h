#pragma once

#include <iosfwd>
#include <string>

class ReportBuilder;
class HeadlessResultView;

// The month's report as a person reads it in a terminal: totals, then one line per day.
namespace ReportText {
void print(std::ostream& out, const ReportBuilder& builder, const HeadlessResultView& view,
           const std::string& user);
}
