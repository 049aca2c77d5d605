#include "report/MonthRows.h"

#include "platform/dom/Document.h"
#include "platform/dom/HtmlParser.h"
#include "report/ReportTemplate.h"

#include <string>

std::unique_ptr<Document> MonthRows::create() {
    return Document::parse(std::string(ReportTemplate::documentStart()) +
                               "<table><tbody></tbody></table>",
                           Document::Scripts::Strip);
}

Element& MonthRows::section(const Document& rows) {
    return *rows.getElementsByTagName("tbody").front();
}

bool MonthRows::parseInto(Document& rows, std::string_view text) {
    return HtmlParser::parseRowsInto(section(rows), text, {ReportTemplate::documentStart()},
                                     {.stripScripts = true});
}

void MonthRows::appendCopies(Element& target, const Document& from) {
    for (const auto& node : section(from).children()) {
        target.appendClone(*node);
    }
}
