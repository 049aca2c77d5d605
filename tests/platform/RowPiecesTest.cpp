// Rows parsed in pieces must give the tree one parse of all of them gives, or be refused; a
// page's row copied must be the row its text parses into.
#include "platform/dom/Document.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/PlainRowReader.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

constexpr std::string_view Doctype =
    R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)";

// Every node with its kind, name and text, so that two texts side by side differ from one.
std::string shape(const Node& node) {
    if (!node.isElement()) {
        return "'" + std::string(node.data()) + "'";
    }
    std::string out = "<" + static_cast<const Element&>(node).tagName();
    for (const auto& attribute : static_cast<const Element&>(node).attributes()) {
        out.append(" ").append(attribute.name).append("=").append(attribute.value);
    }
    for (const auto& child : node.children()) {
        out += shape(*child);
    }
    return out + ">";
}

Element& tableBody(const Document& document) {
    return *document.getElementsByTagName("tbody").front();
}

std::string inOneParse(std::string_view rows) {
    const auto document = Document::parse(std::string(Doctype) + "<table><tbody>" +
                                              std::string(rows) + "</tbody></table>",
                                          Document::Scripts::Strip);
    return shape(tableBody(*document));
}

std::optional<std::string> inPieces(std::string_view rows, std::size_t rowsPerPiece) {
    const auto document = Document::parse(std::string(Doctype) + "<table><tbody></tbody></table>");
    if (!HtmlParser::parseRowsInto(tableBody(*document), rows, {Doctype, rowsPerPiece},
                                   {.stripScripts = true})) {
        return std::nullopt;
    }
    return shape(tableBody(*document));
}

struct RowsCase {
    const char* name;
    std::string rows;
    bool whole; // parses in pieces of a thousand rows
};

const std::string row = R"(<tr align="center"><td>1</td><td>a &amp; b</td></tr>)";

const RowsCase rowsCases[] = {
    {"StoredMonth", TestData::read("cache/2007-03-alice.txt"), true},
    {"BlanksCommentsAndUpperCase", row + "\n<!-- x </tr><tr> -->\n<TR><TD>2</TD></TR> " + row,
     true},
    {"NestedTableInACell", row + "<tr><td><table><tr><td>n</td></tr></table></td></tr>" + row,
     true},
    {"ScriptsDropped", row + "<tr><td onclick=\"x()\">s<script>x()</script>t</td></tr>" + row,
     true},
    {"RowEndInAValue", row + R"(<tr><td title="</tr><tr>">v</td></tr>)" + row, true},
    {"TextOutsideACell", row + "<tr>stray<td>1</td></tr>" + row, false},
    {"TextBetweenRows", row + "stray" + row, false},
    {"OpenTextArea", row + "<tr><td><textarea>1</td></tr>" + row + row, false},
    {"FormLeftOpen", row + "<tr><td><form>1</td></tr>" + row + "<tr><td><form></td></tr>", false},
    {"NewTableSection", row + "</tbody><tbody>" + row, false},
    {"TableClosedInACell", row + "<tr><td></table>x</td></tr>" + row, false},
};

class RowPieces : public testing::TestWithParam<RowsCase> {};

TEST_P(RowPieces, EqualOneParseOrAreRefused) {
    const RowsCase& rows = GetParam();
    ASSERT_FALSE(rows.rows.empty());
    // a row at a time, a cut inside a comment or a value is refused
    const auto byRow = inPieces(rows.rows, 1);
    if (byRow) {
        EXPECT_EQ(*byRow, inOneParse(rows.rows));
    }
    EXPECT_TRUE(byRow || !rows.whole || rows.rows.find("</tr><tr>\"") != std::string::npos ||
                rows.rows.find("<!--") != std::string::npos);
    const auto whole = inPieces(rows.rows, 1000);
    EXPECT_EQ(whole.has_value(), rows.whole);
    if (whole) {
        EXPECT_EQ(*whole, inOneParse(rows.rows));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RowPieces, testing::ValuesIn(rowsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The rows the program writes are read without gumbo, to gumbo's tree; anything else is
// refused whole, untouched, and left to gumbo.
TEST(PlainRows, AreReadToGumbosTreeAndAnythingElseIsLeftAlone) {
    const std::string plainRow = R"(<tr align="center"><td>1</td><td>a &amp; b</td></tr>)";
    const std::pair<std::string, bool> cases[] = {
        {TestData::read("cache/2007-03-alice.txt"), true},
        {"\n" + plainRow + " \t\n<tr> <th>h</th>\n<td></td></tr><tr></tr>\n", true},
        {R"(<tr title="a<b>&quot;c" class="x"><td>&lt;i&gt; "q" &nbsp;&#8364; café</td></tr>)",
         true},
        {plainRow + "<TR><TD>2</TD></TR>", false},
        {"<tr align=center><td>1</td></tr>", false},
        {R"(<tr a="1" a="2"><td>1</td></tr>)", false},
        {"<tr><td onclick=\"go()\">1</td></tr>", false}, // read with scripts stripped
        {"<tr><td><b>1</b></td></tr>", false},
        {"<tr><td>1<!-- c --></td></tr>", false},
        {"<tr><td>&copy;</td></tr>", false},
        {"<tr><td>&#65;</td></tr>", false},
        {"<tr><td>&#x141;</td></tr>", false},
        {"<tr><td>&#55296;</td></tr>", false},
        {"<tr><td>&#65534;</td></tr>", false},
        {"<tr><td>&amp</td></tr>", false},
        {"<tr><td>a\rb</td></tr>", false},
        {std::string("<tr><td>a\0b</td></tr>", 21), false},
        {"<tr><td>\xC2\x85 \xFF</td></tr>", false},
        {"<tr>stray<td>1</td></tr>", false},
        {"<tr><td>1</th></tr>", false},
        {plainRow + "<tr><td>1</td>", false},
    };
    for (const auto& [rows, plain] : cases) {
        SCOPED_TRACE(rows.substr(0, 80));
        const auto document =
            Document::parse(std::string(Doctype) + "<table><tbody></tbody></table>");
        EXPECT_EQ(PlainRowReader::readInto(tableBody(*document), rows, true), plain);
        EXPECT_EQ(shape(tableBody(*document)), plain ? inOneParse(rows) : "<tbody>");
        // whatever the reader refuses, the pieces still give gumbo's tree
        const auto pieces = inPieces(rows, 1000);
        if (pieces) {
            EXPECT_EQ(*pieces, inOneParse(rows));
        }
    }
}

TEST(RowCopy, StandsForItsTextOnlyWhenItParsesBackAlike) {
    const std::pair<const char*, bool> rows[] = {
        {R"(<td class="a">1</td><td><font size=2><b>x</b> &lt;y&gt;</font><br>z</td>)", true},
        {"<td><p>a<b>b<p>c</b></td><td><a href=x>l</a><img src=\"data:image/png,1\"></td>", true},
        {"<td>a<!-- c -->b</td>", true},
        {"<td>a<script>x</script>b</td>", false},
        {"<td onclick=x()>1</td>", false},
        {"<td><a href=\"javascript:x()\">1</a></td>", false},
        {"<td><table><tr><td>n</td></tr></table></td>", false},
        {"<td><svg><style>a</style></svg></td>", false},
        {"<td><textarea>\nx</textarea></td>", false},
    };
    for (const auto& [cells, alike] : rows) {
        SCOPED_TRACE(cells);
        const auto page = Document::parse(std::string("<table><tr>") + cells + "</tr></table>");
        const Element& parsed = *page->getElementsByTagName("tr").front();
        EXPECT_EQ(HtmlParser::reparsesAlike(parsed), alike);
        if (alike) {
            EXPECT_EQ("<tbody" + shape(parsed) + ">", inOneParse(parsed.outerHTML()));
        }
    }
}

} // namespace
