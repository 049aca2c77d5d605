#include "report/ReportBuilder.h"

#include "platform/NumberFormat.h"
#include "report/DailyTotals.h"
#include "report/MonthRows.h"
#include "report/ReportFormatting.h"
#include "report/ReportRow.h"
#include "report/ReportTemplate.h"

#include <QLoggingCategory>
#include <algorithm>
#include <span>

namespace {

Q_LOGGING_CATEGORY(reportLog, "veltrix.report", QtWarningMsg)

// The body of the detail table, where the log rows go after the two header rows.
Element* detailBody(const Document& document) {
    const auto tables = document.getElementsByTagName("table");
    if (tables.size() < 2) {
        return nullptr;
    }
    const auto rows = tables[1]->rows();
    return rows.size() < ReportTemplate::DetailHeaderRows
               ? nullptr
               : rows[ReportTemplate::DetailHeaderRows - 1]->parent();
}

} // namespace

struct ReportBuilder::FirstPass {
    FixedPoint keptKB;
    FixedPoint allBandwidthKB;
    FixedPoint allChargedKB;
    std::vector<Element*> keptRows;
    std::vector<RowFigures> keptFigures;
};

// The month's log rows in a script-free document of their own, the memory of the kept ones
// once they are moved into the report.
struct ReportBuilder::MonthRowNodes {
    std::unique_ptr<Document> document;
    std::vector<Element*> rows;
};

void ReportBuilder::GrabbingFinished(MonthRecord month) {
    m_template = ReportTemplate::text();
    m_month = std::move(month);
    m_grabbed = true;
    m_lastDayUsageKB = FixedPoint();
    m_outcome = ReportOutcome();
}

// The rows go in as nodes: the walk's own, or parsed from the text in pieces. The walk's are
// moved when nobody else holds them; the next build then parses the text, to the same tree.
// Rows that are not whole rows piece by piece are parsed where they stand in the template,
// in one piece, as the report would read them there.
ReportBuilder::MonthRowNodes ReportBuilder::readRows() {
    if (!m_grabbed) {
        return {};
    }
    auto document = MonthRows::create();
    Element& section = MonthRows::section(*document);
    const bool ownRowNodes = std::all_of(m_month.rowNodes.begin(), m_month.rowNodes.end(),
                                         [](const auto& rows) { return rows.use_count() == 1; });
    if (!m_month.rowNodes.empty() && ownRowNodes) {
        for (auto& rows : m_month.rowNodes) {
            MonthRows::appendMoved(section, *rows);
            document->keepMovedNodesOf(std::move(rows));
        }
        m_month.rowNodes.clear();
    } else if (!m_month.rowNodes.empty()) {
        for (const auto& rows : m_month.rowNodes) {
            MonthRows::appendCopies(section, *rows);
        }
    } else if (!MonthRows::parseInto(*document, m_month.mstrRows)) {
        qCInfo(reportLog) << "The month's rows are not whole rows piece by piece; they are "
                             "parsed in one piece";
        document = Document::parse(ReportTemplate::withRows(m_template, m_month.mstrRows),
                                   Document::Scripts::Strip);
        const auto tables = document->getElementsByTagName("table");
        if (tables.size() < 2) {
            return {};
        }
        auto rows = tables[1]->rows();
        rows.erase(rows.begin(),
                   rows.begin() + static_cast<std::ptrdiff_t>(
                                      std::min(rows.size(), ReportTemplate::DetailHeaderRows)));
        return {std::move(document), std::move(rows)};
    }
    auto rows = section.childElements();
    return {std::move(document), std::move(rows)};
}

void ReportBuilder::classify(Element& element, int position, const ReportOptions& options,
                             bool intoReport, FirstPass& pass) {
    const ReportRow row = ReportRow::read(element, position);
    if (row.to > m_outcome.totals.mdtLastRecordedDate) {
        m_outcome.totals.mdtLastRecordedDate = row.to;
    }
    const UsageType type =
        classifyRow(row.from, row.to, row.sameDay, options.mblnNightUnlimitedPlan);
    if (intoReport) {
        const std::string name(usageTypeName(type));
        element.setAttribute("usagetype", name);
        element.setClassName(name);
    }
    m_outcome.classes.push_back(type);

    bool keep = false;
    if (type == UsageType::Free) {
        keep = !options.mblnExcludeFree;
        pass.keptKB += keep ? row.bandwidthKB : FixedPoint();
    } else if (type == UsageType::NonFree) {
        keep = !options.mblnExcludeNonFree;
        pass.keptKB += keep ? row.bandwidthKB : FixedPoint();
    } else {
        const FixedPoint freePart = row.bandwidthKB - row.chargedKB;
        if (freePart > FixedPoint() && !options.mblnExcludeFree) {
            pass.keptKB += freePart;
            keep = true;
        }
        if (!options.mblnExcludeNonFree) {
            pass.keptKB += row.chargedKB;
            keep = true;
        }
    }
    if (keep) {
        if (intoReport) {
            pass.keptRows.push_back(&element);
        }
        pass.keptFigures.push_back(
            {row.bandwidthKB, row.chargedKB, row.fromText.substr(0, 10), type, row.cellCount});
    }
    pass.allBandwidthKB += row.bandwidthKB;
    pass.allChargedKB += row.chargedKB;
}

// Without a report document the rows are read a piece at a time and only their figures kept,
// so a large month never stands in memory as a tree. Rows that are not whole rows piece by
// piece are read as the report reads them: all at once.
bool ReportBuilder::classifyWithoutReport(const ReportOptions& options, FirstPass& pass) {
    int position = 0;
    const auto take = [&](const Document& rows) {
        for (Element* row : MonthRows::section(rows).childElements()) {
            classify(*row, ++position, options, false, pass);
        }
    };
    if (!m_month.rowNodes.empty()) {
        for (const auto& rows : m_month.rowNodes) {
            take(*rows);
        }
        return true;
    }
    if (MonthRows::forEachPiece(m_month.mstrRows, take)) {
        return true;
    }
    pass = FirstPass();
    m_outcome.classes.clear();
    m_outcome.totals.mdtLastRecordedDate = CivilDateTime::fromParts(2000, 1, 1);
    MonthRowNodes all = readRows();
    if (!all.document) {
        return false;
    }
    for (std::size_t i = 0; i < all.rows.size(); ++i) {
        classify(*all.rows[i], static_cast<int>(i) + 1, options, false, pass);
    }
    return true;
}

std::optional<ReportOutcome> ReportBuilder::WriteOutput(const ReportOptions& options,
                                                        Document* report) {
    const bool intoReport = report != nullptr;
    MonthRowNodes monthRows;
    if (intoReport) {
        monthRows = readRows();
        if (!monthRows.document) {
            return std::nullopt;
        }
    } else if (!m_grabbed) {
        return std::nullopt;
    }
    m_outcome.totals.mdtLastRecordedDate = CivilDateTime::fromParts(2000, 1, 1);
    m_outcome.totals.mstrMonthYear = m_month.mstrMonthYear;
    m_outcome.classes.clear();
    FirstPass pass;
    try {
        if (intoReport) {
            for (std::size_t i = 0; i < monthRows.rows.size(); ++i) {
                classify(*monthRows.rows[i], static_cast<int>(i) + 1, options, true, pass);
            }
        } else if (!classifyWithoutReport(options, pass)) {
            return std::nullopt;
        }
    } catch (const std::overflow_error&) {
        throw ReportError("Cannot build the report: the rows add up to more kilobytes than "
                          "can be counted");
    }

    m_outcome.rowsRead = static_cast<int>(m_outcome.classes.size());
    m_outcome.rowsKept = static_cast<int>(pass.keptFigures.size());
    m_outcome.keptKB = pass.keptKB;
    m_outcome.totals.mlngTotalBandwidthKB = pass.allBandwidthKB.roundedWhole();
    m_outcome.totals.mlngTotalChargedKB = pass.allChargedKB.roundedWhole();
    m_outcome.kbText = pass.keptKB.toText();
    m_outcome.mbText = NumberFormat::decimals(pass.keptKB.dividedBy(1024), 3);
    m_outcome.gbText = NumberFormat::decimals(pass.keptKB.dividedBy(1024).dividedBy(1024), 3);
    m_outcome.note = note(pass.allBandwidthKB);
    m_outcome.monthYearText = monthYearText(m_month.mstrMonthYear, options);

    // The days and the chart come from the kept rows as the report shows them: none when the
    // report has no detail table to hold them.
    std::span<const RowFigures> kept = pass.keptFigures;
    const bool night = options.mblnNightUnlimitedPlan;
    DailyTotals daily;
    if (intoReport && !writeReport(*report, std::move(monthRows), pass.keptRows)) {
        kept = {};
    }
    daily.compute(kept, night);
    if (intoReport) {
        daily.decorate(pass.keptRows, night);
    }
    if (daily.hasLastDay()) {
        m_lastDayUsageKB = daily.lastDayUsageKB();
    }
    m_outcome.days = daily.daysTopFirst();
    m_outcome.totals.mlngLastDayUsageKB = m_lastDayUsageKB.roundedWhole();

    m_outcome.chart = ChartTexts::build(kept, daily, options);
    // with no day the average label keeps what it showed
    if (!m_outcome.chart.averagePerDay.empty()) {
        m_outcome.averagePerDay = m_outcome.chart.averagePerDay;
    }
    if (intoReport) {
        addStyleRules(*report, options);
    }
    return m_outcome;
}

bool ReportBuilder::writeReport(Document& report, MonthRowNodes rows,
                                const std::vector<Element*>& keptRows) const {
    report.Clear();
    report.Write(
        ReportTemplate::fill(m_template, {m_outcome.monthYearText, m_outcome.kbText,
                                          m_outcome.mbText, m_outcome.gbText, m_outcome.note, ""}));
    report.Close();
    // The kept rows go where the row marker stood: at the end of the detail table's body,
    // after its header row. They are moved there as nodes rather than written as text and
    // parsed again, or copied: the tree is the same, and a month of many rows is built in a
    // fraction of the time and held once.
    Element* body = detailBody(report);
    if (!body) {
        return false;
    }
    for (Element* row : keptRows) {
        if (Element* section = row->parent()) {
            section->removeChildren();
        }
        body->appendMoved(*row);
    }
    report.keepMovedNodesOf(std::move(rows.document));
    return true;
}

std::string ReportBuilder::note(FixedPoint allBandwidthKB) const {
    if (m_month.mcurSiteTotal <= FixedPoint()) {
        return {};
    }
    const FixedPoint portal = m_month.mcurSiteTotal;
    const FixedPoint rows = allBandwidthKB.dividedBy(1024).dividedBy(1024);
    const FixedPoint difference = (portal - rows).rounded(5);
    return "<TR><TD colspan=3><font face=\"Arial\" size=2>Total displayed in netravo site(A) : " +
           portal.toText() + " GB. <BR> Total of all rows(B) : " + rows.rounded(5).toText() +
           " GB. <BR> Difference (A-B) = " + difference.toText() + " GB (" +
           (difference * 1024).toText() +
           " MB)</font><font size = \"1\"> <A href=\"C:\\WhytotalShown.html\">Why this is shown "
           "?</A></font>";
}

std::string ReportBuilder::monthYearText(const std::string& month, const ReportOptions& options) {
    std::string text = month + "<BR>";
    if (!options.mblnExcludeFree && !options.mblnExcludeMixed && !options.mblnExcludeNonFree) {
        return text + "All Records";
    }
    text += " Excluding ";
    if (options.mblnExcludeFree) {
        text += " [Free time usage]";
    }
    if (options.mblnExcludeMixed) {
        text += " [Mixed usage]";
    }
    if (options.mblnExcludeNonFree) {
        text += " [Non free time usage]";
    }
    return text;
}

void ReportBuilder::addStyleRules(Document& document, const ReportOptions& options) {
    StyleSheet& sheet = document.createStyleSheet();
    const auto addColours = [&sheet](const char* selector, std::uint32_t fore, std::uint32_t back) {
        sheet.AddRule(selector, "color:" + ColorToHTML(fore) + ";");
        sheet.AddRule(selector, "background-color:" + ColorToHTML(back) + ";");
    };
    addColours(".free", options.mlngColorFree, options.mlngColorBackFree);
    addColours(".mixed", options.mlngColorMixed, options.mlngColorBackMixed);
    addColours(".nonfree", options.mlngColorNonFree, options.mlngColorBackNonFree);
    sheet.AddRule(".dailytotal", "color:#000000;");
    sheet.AddRule(".dailytotal", "background-color:#ffffff;");
    sheet.AddRule("TABLE", "border-collapse:collapse;");
    sheet.AddRule("TABLE", "border:1 solid black;");
    sheet.AddRule("TD", "border:1 solid black;");
    sheet.AddRule("Body", "font-face:arial;");
    sheet.AddRule("TD", "font-family:arial;");
    sheet.AddRule("TD", "font-size:14;");
}
