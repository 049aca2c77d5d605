#include "platform/dom/Document.h"

#include "platform/TextEncoding.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

TEST(Document, TablesRowsAndCellsInTableOrder) {
    const auto document =
        Document::parse("<table><thead><tr><th>h</th></tr></thead><tr><td>1</td><td>2</td></tr>"
                        "<tr><td><table><tr><td>nested</td></tr></table></td></tr></table>");
    const auto tables = document->getElementsByTagName("table");
    ASSERT_EQ(tables.size(), 2u);
    const auto rows = tables[0]->rows();
    ASSERT_EQ(rows.size(), 3u); // the nested table's row is not the outer table's
    EXPECT_EQ(rows[1]->cells().size(), 2u);
    EXPECT_EQ(rows[1]->cells()[1]->innerText(), "2");
}

TEST(Document, InnerTextCollapsesWhitespaceLikeABrowser) {
    const auto document = Document::parse(
        "<table><tr><td>  2007-03-05\n\t 10:20:30  </td><td>a<br>b</td><td><b>1</b> <i>2</i></td>"
        "<td>&nbsp;x&nbsp;</td><td><script>hidden()</script>shown</td></tr></table>"
        "<div id=d>line one<div>line two</div>  <p>para</p>end</div>");
    const auto cells = document->getElementsByTagName("td");
    EXPECT_EQ(cells[0]->innerText(), "2007-03-05 10:20:30");
    EXPECT_EQ(cells[1]->innerText(), "a\nb");
    EXPECT_EQ(cells[2]->innerText(), "1 2");
    EXPECT_EQ(cells[3]->innerText(), "\u00a0x\u00a0");
    EXPECT_EQ(cells[4]->innerText(), "shown");
    EXPECT_EQ(document->getElementsByTagName("tr")[0]->innerText(),
              "2007-03-05 10:20:30\ta\nb\t1 2\t\u00a0x\u00a0\tshown");
    EXPECT_EQ(document->getElementsByTagName("div")[0]->innerText(),
              "line one\nline two\n\npara\n\nend");
}

TEST(Document, ReportDocumentsDropEverythingThatCouldRunCode) {
    const std::string rows =
        "<tr><td><script>alert(1)</script>kept</td><td>\"><img src=x onerror=alert(2)></td>"
        "<td><a href=\" JaVa\tScRiPt:alert(3)\" onmouseover=alert(4)>link</a></td>"
        "<td><iframe srcdoc=\"<script>alert(5)</script>\"></iframe><svg "
        "onload=alert(6)></svg></td></tr>";
    Document report(Document::Scripts::Strip);
    report.Clear();
    report.Write("<table>" + rows + "</table>");
    report.Close();
    const std::string html = report.outerHTML();
    for (const char* forbidden : {"<script", "onerror", "onmouseover", "onload", "javascript",
                                  "JaVa", "iframe", "srcdoc", "alert"}) {
        EXPECT_EQ(html.find(forbidden), std::string::npos) << forbidden << " in " << html;
    }
    EXPECT_NE(html.find("kept"), std::string::npos);
    EXPECT_NE(html.find("<img src=\"x\">"), std::string::npos);
    // Inner HTML written into a cell is cleaned the same way.
    Element& cell = report.getElementsByTagName("tr")[0]->insertCell();
    cell.setInnerHTML("<B>day</B><script>alert(7)</script><br>");
    EXPECT_EQ(cell.innerHTML(), "<b>day</b><br>");
    // A browsing document keeps what it was given (scripts simply never run).
    EXPECT_EQ(Document::parse(rows)->getElementsByTagName("script").size(), 1u);
}

TEST(Document, CopiesOutliveTheirSourceAndFramesGoWithTheirPage) {
    auto target = Document::parse("<table><tbody></tbody></table>");
    Element& body = *target->getElementsByTagName("tbody")[0];
    {
        auto source = Document::parse("<table><tr class=a><td>x<b>y</b><!--c--></td>"
                                      "<td unknown-tag=1><mytag>z</mytag></td></tr></table>");
        Element& copy =
            static_cast<Element&>(body.appendClone(*source->getElementsByTagName("tr")[0]));
        copy.removeAttribute("class");
        copy.setAttribute("class", "free");
        source->Clear(); // the source's tree and memory go; the copy stays
        source->Close();
    }
    EXPECT_EQ(body.innerHTML(), "<tr class=\"free\"><td>x<b>y</b><!--c--></td>"
                                "<td unknown-tag=\"1\"><mytag>z</mytag></td></tr>");

    // a frame's document is freed with the page, and a taken one is the taker's
    auto page = Document::parse("<iframe></iframe><iframe></iframe>");
    page->frames()[0]->setContentDocument(Document::parse("<p>one</p>"));
    page->frames()[1]->setContentDocument(Document::parse("<p>two</p>"));
    const auto taken = page->frames()[1]->takeContentDocument();
    page->frames()[1]->setContentDocument(Document::parse("<p>three</p>"));
    page.reset();
    EXPECT_EQ(taken->body()->innerText(), "two");
}

TEST(Document, MovedNodesLiveOnWithTheDocumentThatKeepsTheirMemory) {
    auto target = Document::parse("<table><tbody></tbody></table>");
    Element& body = *target->getElementsByTagName("tbody")[0];
    {
        std::shared_ptr<Document> source =
            Document::parse("<table><tr><td>1</td></tr><tr><td>2<b>!</b></td></tr></table>");
        Element& rows = *source->getElementsByTagName("tbody")[0];
        const auto moved = rows.childElements();
        EXPECT_THROW(body.appendMoved(*moved[0]), std::logic_error); // still in its tree
        rows.removeChildren();
        EXPECT_EQ(moved[1]->parent(), nullptr);
        for (Element* row : moved) {
            body.appendMoved(*row);
        }
        EXPECT_EQ(rows.innerHTML(), "");
        target->keepMovedNodesOf(std::move(source));
    }
    // the rows' own memory went nowhere, and they change like any node of the tree
    Element& second = *body.childElements()[1];
    second.setAttribute("class", "free");
    second.insertCell();
    EXPECT_EQ(body.innerHTML(),
              "<tr><td>1</td></tr><tr class=\"free\"><td>2<b>!</b></td><td></td></tr>");
    // a node cannot go into itself, moved or copied
    EXPECT_THROW(second.appendMoved(*target->documentElement()), std::logic_error);
    EXPECT_THROW(second.cells()[0]->appendClone(second), std::logic_error);
}

TEST(TextEncoding, PagesAreDecodedAsDeclared) {
    const std::string latin1 = "caf\xe9";
    EXPECT_EQ(TextEncoding::decodePage(latin1, "text/html; charset=ISO-8859-1"), "caf\u00e9");
    EXPECT_EQ(TextEncoding::decodePage("<meta charset=\"iso-8859-1\">" + latin1, ""),
              "<meta charset=\"iso-8859-1\">caf\u00e9");
    EXPECT_EQ(TextEncoding::decodePage("caf\u00e9", "text/html"), "caf\u00e9"); // valid UTF-8
    EXPECT_EQ(TextEncoding::decodePage("\x80", "text/html"), "\u20ac");         // windows-1252
    EXPECT_EQ(TextEncoding::encodeForCharset("\u00e9", "ISO-8859-1"), "\xe9");
    // the encoding a page's forms are sent back in
    EXPECT_EQ(TextEncoding::pageCharset(latin1, "text/html; charset=Latin1"), "iso-8859-1");
    EXPECT_EQ(TextEncoding::pageCharset("<meta charset=utf8>" + latin1, ""), "utf-8");
    EXPECT_EQ(TextEncoding::pageCharset(latin1, "text/html"), "windows-1252");
    EXPECT_EQ(TextEncoding::pageCharset("caf\u00e9", "text/html; charset=x-unknown"),
              "windows-1252");
    EXPECT_EQ(TextEncoding::decodePage(latin1, "text/html; charset=x-unknown"), "caf\u00e9");
}
