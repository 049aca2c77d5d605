#include "retrieval/MonthCache.h"

#include "platform/dom/Document.h"
#include "report/ReportRow.h"
#include "retrieval/RowText.h"

#include <QDir>
#include <unordered_set>

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

QString MonthCache::cacheFileName(const QString& folder, const QString& month,
                                  const QString& user) {
    QString name = month + "-" + user + ".cache";
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20) {
            c = u'_';
        }
    }
    return QDir(folder).filePath(name);
}

std::string MonthCache::appendCachedRows(std::string_view newRows, std::string_view cachedRows) {
    // every row once: a stored row the walk fetched again, or one the file holds twice (as
    // walks that took rows twice wrote it), is kept where it came first
    std::unordered_set<std::string_view> seen;
    for (const RowText::Piece& piece : RowText::split(newRows)) {
        if (piece.isRow) {
            seen.insert(RowText::cellsOf(piece.text));
        }
    }
    std::string merged(newRows);
    merged.reserve(newRows.size() + cachedRows.size());
    // Blanks before a row go with that row, so dropping rows leaves no runs of blank lines.
    std::string_view pendingBlank;
    for (const RowText::Piece& piece : RowText::split(cachedRows)) {
        if (!piece.isRow && isBlank(piece.text)) {
            merged.append(pendingBlank);
            pendingBlank = piece.text;
            continue;
        }
        const bool drop = piece.isRow && !seen.insert(RowText::cellsOf(piece.text)).second;
        if (!drop) {
            merged.append(pendingBlank).append(piece.text);
        }
        pendingBlank = {};
    }
    merged.append(pendingBlank);
    return merged;
}

namespace {

// Text that cannot be a month at all: not a whole log row, or no row. Counts the rows.
std::optional<std::string> textDamage(std::string_view rows, std::size_t& rowCount) {
    rowCount = 0;
    std::size_t offset = 0;
    std::optional<std::size_t> strayText;
    for (const RowText::Piece& piece : RowText::split(rows)) {
        if (piece.isRow) {
            ++rowCount;
        } else if (!isBlank(piece.text) && !strayText) {
            strayText = offset;
        }
        offset += piece.text.size();
    }
    if (rowCount == 0) {
        return isBlank(rows) ? std::nullopt : std::optional<std::string>("it holds no log row");
    }
    if (strayText) {
        return "it holds text that is not a whole log row at byte " + std::to_string(*strayText);
    }
    return std::nullopt;
}

// Read as the report reads them: a row with a missing cell or a bad figure must not be
// stored again only to stop every later report.
std::optional<std::string> rowDamage(const std::vector<Element*>& tableRows, std::size_t rowCount) {
    if (tableRows.size() != rowCount) {
        return "its rows do not form one table";
    }
    try {
        for (std::size_t i = 0; i < tableRows.size(); ++i) {
            ReportRow::read(*tableRows[i], static_cast<int>(i) + 1);
        }
    } catch (const ReportError& error) {
        std::string what = error.what();
        constexpr std::string_view prefix = "Cannot build the report: ";
        return what.starts_with(prefix) ? what.substr(prefix.size()) : what;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> MonthCache::damage(std::string_view rows, bool readEveryRow) {
    std::size_t rowCount = 0;
    if (auto why = textDamage(rows, rowCount); why || rowCount == 0 || !readEveryRow) {
        return why;
    }
    const auto table =
        Document::parse("<table>" + std::string(rows) + "</table>", Document::Scripts::Strip);
    return rowDamage(table->getElementsByTagName("table").front()->rows(), rowCount);
}

std::optional<std::string> MonthCache::damage(std::string_view rows,
                                              const std::vector<Element*>& parsedRows) {
    std::size_t rowCount = 0;
    if (auto why = textDamage(rows, rowCount); why || rowCount == 0) {
        return why;
    }
    return rowDamage(parsedRows, rowCount);
}

QString MonthCache::damagedFileText(const QString& file, const std::string& why) {
    return "The stored month " + QDir::toNativeSeparators(file) + " is damaged (" +
           QString::fromStdString(why) +
           "); it is left as it is: delete it to fetch the month again";
}
