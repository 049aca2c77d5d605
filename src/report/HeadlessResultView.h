#pragma once

#include "platform/dom/Document.h"
#include "report/ReportResultView.h"

#include <string>

// The result window's share of a report without a window: the document, the totals and the
// average label. The command line draws its chart from the builder's chart texts, and takes
// its summary from the month pipeline, so chart and summary refreshes have nothing to do here.
class HeadlessResultView final : public ReportResultView {
public:
    Document& reportDocument() override { return m_document; }
    const Document& document() const { return m_document; }
    bool wantsReportDocument() const override { return m_documentWanted; }
    // Without the document (nothing saves or exports the report) a large month costs a
    // fraction of the memory.
    void setReportDocumentWanted(bool wanted) { m_documentWanted = wanted; }

    void setTotals(const MonthTotals& totals) override { m_totals = totals; }
    const MonthTotals& totals() const { return m_totals; }

    void setAverageText(const std::string& text) override { m_averageText = text; }
    const std::string& averageText() const { return m_averageText; }

    void clearChartUpToDate() override {}
    void UpdateGraphControl() override {}
    void CreateSummary() override {}

private:
    Document m_document{Document::Scripts::Strip};
    bool m_documentWanted = true;
    MonthTotals m_totals;
    std::string m_averageText = "0 MB"; // the label's design value
};
