#include "desktop/ReportPdf.h"

#include "analysis/MonthAnalysis.h"
#include "analysis/SummaryTexts.h"
#include "desktop/ReportPdfLayout.h"
#include "platform/dom/Document.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <gtest/gtest.h>
#include <map>

TEST(ReportPdfTest, AMonthReadsAcrossNumberedPagesWithItsChartAndBill) {
    std::string rows; // 31 days of 8 sessions, 02:00 to 16:00 (early ones free), newest first
    for (int n = 248; n >= 1; --n) {
        const int day = (n - 1) / 8 + 1, k = (n - 1) % 8, kb = 1024 * (k + 5);
        rows +=
            QString::asprintf("<tr><td>%d</td><td>Netravo</td><td>2007-03-%02d %02d:00:00</td>"
                              "<td>2007-03-%02d %02d:59:00</td><td>1024</td><td>%d</td><td>%d</td>"
                              "<td>00:59:00</td><td>%d</td></tr>",
                              n, day, 2 + 2 * k, day, 2 + 2 * k, kb - 1024, kb, k < 3 ? 0 : kb)
                .toStdString();
    }
    MonthAnalysis month;
    month.GrabbingFinished({rows, "2007-03", FixedPoint()});
    const ReportOptions options{.mblnNightUnlimitedPlan = true}; // daily totals of eleven lines
    Document report(Document::Scripts::Strip);
    const MonthResult result = *month.build(options, {3, {}, QDate(2007, 3, 31)}, &report);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    ReportPdf::setUpPages(writer);
    const std::vector<ReportPdfPage> pages = ReportPdf(report, result, options).pages(writer);
    EXPECT_EQ(pages.size(), 6u); // about 60 rows a page, then the chart and the bill
    int rowNumbers = 0;
    QStringList texts;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        texts.clear();
        for (const PdfText& text : pages[p].texts) {
            texts.append(text.text);
            EXPECT_GE(text.font.pointSizeF(), 8) << text.text.toStdString();
            // no word is broken or cut off: each fits its box (a row number on one line)
            for (const QString& word : text.text.simplified().split(QLatin1Char(' '))) {
                EXPECT_LE(QFontMetricsF(text.font, &writer).horizontalAdvance(word),
                          text.rect.width() + 1)
                    << word.toStdString();
            }
            rowNumbers += text.text.toInt() >= 1 && text.text.toInt() <= 248;
        }
        EXPECT_TRUE(texts.contains(ReportPdfLayout::pageNumber(int(p) + 1, int(pages.size()))));
        const bool table = p + 1 < pages.size();
        EXPECT_EQ(texts.contains("Charged Usage(KB)") && texts.contains("Daily total"), table);
        if (table) { // across the whole width
            EXPECT_NEAR(pages[p].boxes.back().rect.right(), writer.width(), 1);
        }
    }
    EXPECT_EQ(rowNumbers, 248); // each row once, none lost between pages
    EXPECT_GT(pages.back().chart.height(), writer.height() / 4);
    EXPECT_TRUE(texts.contains(
        QString::fromStdString(SummaryTexts::rupees(result.summary.figures->bill.totalWithTax))));
    ReportPdf(report, result, options).write(file);
    EXPECT_EQ(file.data().count("/Type /Page\n"), qsizetype(pages.size()));
}

TEST(ReportPdfTest, ADayThatFitsAPageIsNotSplitAndEveryDailyTotalShowsWhole) {
    // listed newest first: a day of 2 rows; one of 58, which fits a further page but not what
    // the report's head leaves of the first; one of 48; one of 70, longer than a page
    std::string rows;
    const int counts[] = {70, 48, 58, 2};
    for (int day = 4, n = 178; day >= 1; --day) {
        for (int k = counts[day - 1] - 1; k >= 0; --k, --n) { // a quarter of an hour apart
            const int start = 15 * k, end = start + 10;
            rows += QString::asprintf("<tr><td>%d</td><td>Netravo</td><td>2007-03-%02d %02d:%02d:00"
                                      "</td><td>2007-03-%02d %02d:%02d:00</td><td>1024</td><td>2048"
                                      "</td><td>3072</td><td>00:10:00</td><td>3072</td></tr>",
                                      n, day, start / 60, start % 60, day, end / 60, end % 60)
                        .toStdString();
        }
    }
    MonthAnalysis month;
    month.GrabbingFinished({rows, "2007-03", FixedPoint()});
    const ReportOptions options{.mblnNightUnlimitedPlan = true};
    Document report(Document::Scripts::Strip);
    const MonthResult result = *month.build(options, {3, {}, QDate(2007, 3, 31)}, &report);
    QBuffer file;
    QPdfWriter writer(&file);
    ReportPdf::setUpPages(writer);
    std::map<int, std::size_t> pageOfRow;
    const std::vector<ReportPdfPage> pages = ReportPdf(report, result, options).pages(writer);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const PdfText& text : pages[p].texts) {
            if (text.text.toInt() >= 1 && text.text.toInt() <= 178) {
                pageOfRow[text.text.toInt()] = p;
            }
            const QFontMetricsF metrics(text.font, &writer); // nothing cut off at the foot
            EXPECT_LE(metrics.boundingRect(text.rect, text.flags, text.text).height(),
                      text.rect.height() + 1)
                << text.text.toStdString();
        }
    }
    EXPECT_EQ(pageOfRow[176], pageOfRow[119]);
}
