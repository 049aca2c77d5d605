#include "report/MonthRows.h"

#include "platform/dom/Document.h"
#include "platform/dom/HtmlParser.h"
#include "report/ReportTemplate.h"

#include <string>
#include <vector>

std::unique_ptr<Document> MonthRows::create() {
    return Document::parse(std::string(ReportTemplate::documentStart()) +
                               "<table><tbody></tbody></table>",
                           Document::Scripts::Strip);
}

// The body's table's body, found without a search: the walk asks for it once a row.
Element& MonthRows::section(const Document& rows) {
    return *rows.body()->childElements().front()->childElements().front();
}

bool MonthRows::parseInto(Document& rows, std::string_view text) {
    return HtmlParser::parseRowsInto(section(rows), text, {ReportTemplate::documentStart()},
                                     {.stripScripts = true});
}

bool MonthRows::forEachPiece(std::string_view text,
                             const std::function<void(const Document&)>& take) {
    constexpr std::size_t RowsPerPiece = HtmlParser::RowContext().rowsPerPiece;
    for (const std::string_view piece : HtmlParser::rowPieces(text, RowsPerPiece)) {
        const auto rows = create();
        if (!parseInto(*rows, piece)) {
            return false;
        }
        take(*rows);
    }
    return true;
}

void MonthRows::appendMoved(Element& target, Document& from) {
    Element& rows = section(from);
    std::vector<Node*> nodes;
    for (Node* node : rows.children()) {
        nodes.push_back(node);
    }
    rows.removeChildren();
    for (Node* node : nodes) {
        target.appendMoved(*node);
    }
}

void MonthRows::appendCopies(Element& target, const Document& from) {
    for (const auto& node : section(from).children()) {
        target.appendClone(*node);
    }
}
