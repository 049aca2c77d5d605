#pragma once

#include <QString>
#include <string>
#include <vector>

class Document;
class Element;
struct StyleRule;

// The report as the report page shows it. The document keeps its style rules as written
// (and saves them so); Qt's rich text reads only lower-case element selectors and lengths
// with a unit, so the page gets a normalised copy: "TD{font-size:14;}" shows as
// "td{font-size:14px;}", "font-face:arial" as the Arial-compatible family.
namespace ReportPageHtml {

std::string displayRule(const StyleRule& rule);
QString forDisplay(const Document& report);
// The same without the detail table's header and detail rows, which a table view shows:
// the summary table, the notes and the detail table's title.
QString headerForDisplay(const Document& report);
// The rows of the detail table (table 1): title, header, then the log rows. Found among the
// body's tables, as the report writes them, without a search through every row and cell.
std::vector<Element*> detailRows(const Document& report);

} // namespace ReportPageHtml
