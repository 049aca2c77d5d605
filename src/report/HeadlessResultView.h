#pragma once

#include "platform/dom/Document.h"
#include "report/ReportResultView.h"

#include <functional>
#include <string>

// The result window's share of a report without a window: the command line and tests keep
// the document, the totals and the average label here, and may hook in the chart and the
// summary.
class HeadlessResultView final : public ReportResultView {
public:
    Document& reportDocument() override { return m_document; }
    const Document& document() const { return m_document; }

    void setTotals(const ReportTotals& totals) override { m_totals = totals; }
    const ReportTotals& totals() const { return m_totals; }

    void setAverageText(const std::string& text) override { m_averageText = text; }
    const std::string& averageText() const { return m_averageText; }

    void clearChartUpToDate() override { m_chartUpToDate = false; }
    void UpdateGraphControl() override {
        if (onUpdateGraphControl) {
            onUpdateGraphControl();
        }
        m_chartUpToDate = true;
    }
    void CreateSummary() override {
        if (onCreateSummary) {
            onCreateSummary();
        }
    }

    std::function<void()> onUpdateGraphControl;
    std::function<void()> onCreateSummary;

private:
    Document m_document{Document::Scripts::Strip};
    ReportTotals m_totals;
    std::string m_averageText = "0 MB"; // the label's design value
    bool m_chartUpToDate = false;
};
