#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Element;

// What a page walk needs from the month files: where this month's file is, and how the rows
// of this walk and the stored rows become the month's rows again.
namespace MonthCache {

// folder/<month>-<user>.cache. The month and user come from the portal's page, so a path
// separator or control character in them becomes "_": the name can never leave the folder.
QString cacheFileName(const QString& folder, const QString& month, const QString& user);

// The month's rows at the end of a walk: this walk's rows, then the stored rows that the walk
// did not fetch again. A walk that met the stored rows gives exactly newRows + cachedRows; a
// walk that fetched every page (the portal's rows no longer match what is stored, or the
// stored rows were never met) does not list any row twice, and neither does the month when
// the stored rows held one twice (rows are the same when their cells are, RowText::cellsOf).
// Text in the stored rows that is not a whole row is kept where it stood.
std::string appendCachedRows(std::string_view newRows, std::string_view cachedRows);

// Why stored row text cannot be a month (text that is not a whole log row, no row at all, or,
// when asked, a row the report would refuse), or nothing when it can. Blank text is an empty
// month. A report reads every row itself and names a bad one; a merge must check them first.
std::optional<std::string> damage(std::string_view rows, bool readEveryRow = true);
// The same, reading every row from `parsedRows`: the text's rows, already parsed as the
// report parses them.
std::optional<std::string> damage(std::string_view rows, const std::vector<Element*>& parsedRows);

// The one line that names a damaged month file and how to recover from it.
QString damagedFileText(const QString& file, const std::string& why);

} // namespace MonthCache
