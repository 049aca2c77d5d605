#include "report/ReportExport.h"

#include "platform/PlainText.h"
#include "platform/dom/Document.h"

std::string ReportExport::htmlText(const Document& report) {
    return report.outerHTML();
}

std::string ReportExport::csvText(const Document& report) {
    const auto tables = report.getElementsByTagName("table");
    if (tables.size() < 2) {
        throw ExportError("The report has no detail table to export.");
    }
    const auto rows = tables[1]->rows();
    if (rows.size() < 2) {
        throw ExportError("The report's detail table has no header row.");
    }
    const std::size_t cellCount = rows[1]->cells().size();
    if (cellCount < 2) {
        throw ExportError("The report's header row has too few cells.");
    }
    const std::size_t lastColumn = cellCount - 2;
    std::string out;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto cells = rows[r]->cells();
        if (cells.size() <= lastColumn) {
            throw ExportError("Row " + std::to_string(r - 1) + " of the detail table has " +
                              std::to_string(cells.size()) + " cells; " +
                              std::to_string(lastColumn + 1) + " are needed.");
        }
        std::string line;
        for (std::size_t c = 0; c <= lastColumn; ++c) {
            if (!line.empty()) {
                line += ", ";
            }
            line += trimBlanks(cells[c]->innerText(), " ");
        }
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string ReportExport::TrimAtNull(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

std::string ReportExport::withExtension(std::string_view chosenPath, std::string_view extension) {
    std::string path = TrimAtNull(chosenPath);
    const std::string suffix = "." + std::string(extension);
    if (path.find(suffix) == std::string::npos) {
        path += suffix;
    }
    return path;
}
