#include "retrieval/MonthCache.h"

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
    std::unordered_set<std::string_view> fetched;
    for (const RowText::Piece& piece : RowText::split(newRows)) {
        if (piece.isRow) {
            fetched.insert(piece.text);
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
        const bool drop = piece.isRow && fetched.contains(piece.text);
        if (!drop) {
            merged.append(pendingBlank).append(piece.text);
        }
        pendingBlank = {};
    }
    merged.append(pendingBlank);
    return merged;
}
