#include "retrieval/MonthCache.h"

#include "retrieval/RowText.h"

#include <gtest/gtest.h>

namespace {

// A row as a walk stores it: nine cells, the portal's stripe class already removed.
std::string row(int n, const std::string& from = "2007-03-14 21:05:11") {
    const std::string id = std::to_string(n);
    return "<tr><td>" + id + "</td><td>Netravo</td><td>" + from + "</td><td>" + from + "</td><td>" +
           id + "</td><td>1</td><td>" + id + "1</td><td>00:01:00</td><td>" + id + "1</td></tr>";
}

} // namespace

TEST(AppendCachedRows, KeepsEveryRowOnceAndNothingElseIsLost) {
    const std::string stored = row(4) + row(3) + row(2);
    const std::vector<std::tuple<const char*, std::string, std::string, std::string>> cases = {
        // The walk stopped at the stored rows: new rows then stored ones, byte for byte.
        {"met the cache", row(6) + row(5), stored, row(6) + row(5) + stored},
        {"first row already stored", "", stored, stored},
        {"never met", row(5) + stored, stored, row(5) + stored},
        {"partly overlapping", row(5) + row(4) + row(3), stored, row(5) + row(4) + row(3) + row(2)},
        // Stored rows the portal no longer lists keep their place among the stored ones.
        {"gaps", row(5) + row(3), stored, row(5) + row(3) + row(4) + row(2)},
        {"same cells, other time", row(4, "2007-03-02 10:00:00"), row(4),
         row(4, "2007-03-02 10:00:00") + row(4)},
        // A row is its cells: other attributes of the row do not make it another row, and a
        // file that holds a row twice (written by a walk that took rows twice) is mended.
        {"other row attributes", row(5) + "<tr id=x>" + row(4).substr(4), stored,
         row(5) + "<tr id=x>" + row(4).substr(4) + row(3) + row(2)},
        {"stored twice", row(5), row(4) + row(4) + row(3), row(5) + row(4) + row(3)},
        // Older files: line breaks between rows (they go with their row) and upper-case tags.
        {"blanks", row(3), "\r\n" + row(3) + "\r\n" + row(2), row(3) + "\r\n" + row(2)},
        {"upper case", "<TR><TD>a</TD></TR>", "<TR><TD>a</TD></TR><TR><TD>b</TD></TR>",
         "<TR><TD>a</TD></TR><TR><TD>b</TD></TR>"},
        // A cut-off file: the unfinished row is not compared, and not dropped either.
        {"truncated", row(3), row(3) + row(2).substr(0, 40), row(3) + row(2).substr(0, 40)},
        {"garbage", row(3), "\x01\xFF<" + row(3) + "x", row(3) + "\x01\xFF<x"},
    };
    for (const auto& [what, fetched, cached, expected] : cases) {
        EXPECT_EQ(MonthCache::appendCachedRows(fetched, cached), expected) << what;
    }
}

// A cell's own table, a quoted "</tr>" and a comment never end a row; whatever the text, the
// pieces join to it exactly, so a walk that meets the stored rows rewrites them unchanged.
TEST(AppendCachedRows, RowsAreCutAtTheirOwnLevelOnly) {
    const std::string nested = "<tr class=\"x\"><td><table><tr><td>in</td></tr></table></td></tr>";
    const std::string quoted = "<tr title='</tr><tr>'><td>q</td></tr>";
    const std::string commented = "<tr><td><!-- </tr> --></td></tr>";
    const std::string stored = nested + quoted + commented + "<track></track>";
    EXPECT_EQ(MonthCache::appendCachedRows(quoted + nested, stored),
              quoted + nested + commented + "<track></track>");
    for (const std::string& text :
         {stored, row(1) + "<tr><td>open" + row(2), std::string("<tr title=\"unclosed><td>"),
          std::string("</tr></tr><tr>"), "<!-- never closed " + row(1)}) {
        std::string joined;
        for (const RowText::Piece& piece : RowText::split(text)) {
            joined.append(piece.text);
        }
        EXPECT_EQ(joined, text);
        EXPECT_EQ(MonthCache::appendCachedRows(row(9), text), row(9) + text);
    }
}

TEST(MonthCache, FileNameStaysInsideTheFolder) {
    EXPECT_EQ(MonthCache::cacheFileName("/data/veltrix", "2007-03", "alice"),
              "/data/veltrix/2007-03-alice.cache");
    EXPECT_EQ(MonthCache::cacheFileName("/data/veltrix/", "2007-03", "../../etc/x\\y\n"),
              "/data/veltrix/2007-03-.._.._etc_x_y_.cache");
}
