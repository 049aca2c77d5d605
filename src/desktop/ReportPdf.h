#pragma once

#include "desktop/ReportPdfPage.h"

#include <vector>

class Document;
class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QPdfWriter;
struct MonthResult;
struct ReportOptions;

// The report saved as a PDF of our own: the detail table across the page at a size one can
// read, its header on every page, the pages numbered, and after the rows the month's chart and
// the summary's figures with the bill on the chosen plan. Needs a QGuiApplication for its fonts,
// no display.
class ReportPdf {
public:
    ReportPdf(const Document& report, const MonthResult& result, const ReportOptions& options)
        : m_report(report)
        , m_result(result)
        , m_options(options) {}

    // A4 upright (Letter where the locale measures in inches) with half-inch margins.
    static void setUpPages(QPagedPaintDevice& device);
    // The pages as laid out for a device set up so.
    std::vector<ReportPdfPage> pages(const QPaintDevice& device) const;
    // Writes the whole document. Throws a Failure when it cannot be drawn.
    void write(QIODevice& out) const;

private:
    void paintChart(QPdfWriter& writer, QPainter& painter, const QRectF& target) const;

    const Document& m_report;
    const MonthResult& m_result;
    const ReportOptions& m_options;
};
