#pragma once

#include "analysis/MonthResult.h"
#include "analysis/UsageAlerts.h"
#include "cli/ReportRequest.h"
#include "platform/dom/Document.h"

#include <QSize>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// One month turned into the outputs the command line was asked for: the report is built as
// the result window would build it, then saved as HTML, exported as CSV, written as JSON
// and printed for a person.
class MonthReport {
public:
    explicit MonthReport(ReportRequest request);

    // Builds the report and its summary on the chosen plan; a bad row, or a plan option that
    // names no plan, ends the command with a one-line message.
    void build(MonthRecord month, const std::string& user);

    // Keys added to the JSON object after the report's own ones.
    nlohmann::ordered_json& extraJson() { return m_extra; }
    nlohmann::ordered_json json() const;

    // Writes the files asked for; a file that cannot be written ends the command.
    void writeFiles() const;
    // The month as a person reads it in a terminal.
    void printText(std::ostream& out) const;

    const MonthResult& result() const { return m_result; }
    // The alerts the month raised on the options' thresholds (none when none were asked for).
    const std::vector<UsageAlert>& alerts() const { return m_alerts; }
    const ReportRequest& request() const { return m_request; }

private:
    const ChartTexts& chart() const;
    const std::string& monthText() const;
    void writeChart() const;
    void writeStackedChart(QSize size) const;

    ReportRequest m_request;
    MonthResult m_result;
    // False when the rows made no detail table: the report is empty and nothing is billed.
    bool m_summarised = false;
    // The saved report and its export read the document; without them it is never built.
    Document m_document{Document::Scripts::Strip};
    std::string m_user;
    nlohmann::ordered_json m_extra = nlohmann::ordered_json::object();
    std::vector<UsageAlert> m_alerts;
};
