#include "portal-sim/SimRecordPageWriter.h"

#include "portal-sim/SimPageWriter.h"
#include "portal-sim/SimText.h"

namespace {

constexpr std::string_view rowStart = "<tr class=td0";
constexpr std::string_view recordsTable = "<table class=records";

std::string cell(std::string_view text) {
    std::string out = "<td>";
    out += text;
    return out + "</td>";
}

std::string pageOfText(const SimRecordPage& page) {
    return "Page " + std::to_string(page.pageNumber) + " of " + std::to_string(page.pageCount);
}

std::string link(const SimRecordPage& page, int target, std::string_view text) {
    return "<a href=\"" + SimText::html(SimRecordPageWriter::pageAddress(page.month, target)) +
           "\">" + std::string(text) + "</a>";
}

// Tables 0 to 2: banner, account and title. The month sits at element 34, in table 2 row 1.
std::string headerTables(const SimRecordPage& page) {
    const std::string month = page.month.text();
    std::string out = "<table class=banner width=\"100%\">\n<tr><td>Corvatel</td>"
                      "<td>Netravo service records</td></tr>\n</table>\n";
    out += "<table class=account width=\"100%\">\n<tr><td>User name</td>";
    out += cell(SimText::html(page.userName)) + "<td>Plan</td><td>Netravo B\xe1sico</td></tr>\n";
    out += "<tr><td>Service</td><td>ADSL</td><td>Status</td><td>Active</td></tr>\n";
    out += "<tr><td>Billing period</td>" + cell(month + "-01 to end of month");
    out += "<td>Log updated</td><td>Every hour</td></tr>\n</table>\n";
    out += "<table class=title width=\"100%\">\n<tr><td>Home \xbb Service records</td>";
    out += cell(pageOfText(page)) + "</tr>\n";
    out += "<tr><td colspan=2 class=month>[" + month + "] Monthly usage details</td></tr>\n";
    return out + "</table>\n";
}

std::string totalsTable(const SimRecordPage& page) {
    std::string out = "<table class=totals width=\"100%\">\n<tr><td>Month</td>"
                      "<td>Total Send Volume(GB)</td><td>Total Receive Volume(GB)</td>"
                      "<td>Total Volume(GB)</td></tr>\n<tr>";
    out += cell(page.month.text());
    out += cell(SimRecordPageWriter::gigabytesText(page.monthSendKB));
    out += cell(SimRecordPageWriter::gigabytesText(page.monthReceiveKB));
    out += cell(SimRecordPageWriter::gigabytesText(page.monthSendKB + page.monthReceiveKB));
    return out + "</tr>\n</table>\n";
}

void appendRecordsTable(std::string& out, const SimRecordPage& page, SimMalformedRow malformed) {
    out += recordsTable;
    out += " width=\"100%\">\n<tr><td colspan=9 class=caption>Detail records of ";
    out += page.month.text() + "</td></tr>\n<tr class=head><td>No.</td><td>Service</td>"
                               "<td>From</td><td>To</td><td>Send(KB)</td><td>Receive(KB)</td>"
                               "<td>Bandwidth(KB)</td><td>Duration</td><td>Charged(KB)</td></tr>\n";
    const std::size_t spoilt = page.rows.size() / 2;
    for (std::size_t i = 0; i < page.rows.size(); ++i) {
        SimRecordPageWriter::appendRowHtml(out, page.rows[i], static_cast<int>(i),
                                           i == spoilt ? malformed : SimMalformedRow::None);
        out.push_back('\n');
    }
    out += "</table>\n";
}

std::string navigation(const SimRecordPage& page, bool nextPageBack) {
    std::string out = "<p class=nav>" + link(page, 1, "Homepage");
    if (page.pageNumber > 1) {
        out += " | " + link(page, page.pageNumber - 1, "Previous Page");
    }
    if (page.pageNumber < page.pageCount || nextPageBack) {
        out += " | " + link(page, nextPageBack ? 1 : page.pageNumber + 1,
                            SimRecordPageWriter::nextPageText);
    }
    return out + " | " + pageOfText(page) + "</p>\n";
}

} // namespace

std::string SimRecordPageWriter::write(const SimRecordPage& page,
                                       const SimRecordPageFaults& faults) {
    std::string out = SimPageWriter::head("Service Records - " + page.month.text());
    out.reserve(out.size() + 2400 + page.rows.size() * 200);
    out += "<body>\n";
    if (faults.changedLayout) {
        out += "<div class=notice><b>New:</b> the portal has a new look.</div>\n";
    }
    out += headerTables(page);
    out += totalsTable(page);
    appendRecordsTable(out, page, faults.malformedRow);
    out += navigation(page, faults.nextPageBack);
    out += "<p class=footer>Copyright \xa9 Corvatel. Usage between 02:00 and 08:00 is free of "
           "charge.</p>\n</body>\n</html>\n";
    if (faults.truncated) {
        out.resize(cutPoint(out));
    }
    return out;
}

std::size_t SimRecordPageWriter::cutPoint(std::string_view html) {
    std::vector<std::size_t> rows;
    for (std::size_t at = html.find(rowStart); at != std::string_view::npos;
         at = html.find(rowStart, at + 1)) {
        rows.push_back(at);
    }
    if (rows.empty()) {
        const std::size_t table = html.find(recordsTable);
        return table == std::string_view::npos ? html.size() / 2 : table + recordsTable.size();
    }
    // seven characters into the From text of the middle row: "YYYY-MM" and no more
    std::size_t at = rows[rows.size() / 2];
    for (int cellIndex = 0; cellIndex < 3; ++cellIndex) {
        at = html.find("<td>", at) + 4;
    }
    return at + 7;
}

std::string SimRecordPageWriter::rowHtml(const SimRow& row, int positionOnPage,
                                         SimMalformedRow malformed) {
    std::string out;
    appendRowHtml(out, row, positionOnPage, malformed);
    return out;
}

void SimRecordPageWriter::appendRowHtml(std::string& out, const SimRow& row, int positionOnPage,
                                        SimMalformedRow malformed) {
    // appended in place: a page of rows is most of what the portal writes
    out += positionOnPage % 2 == 0 ? "<tr class=td01 align=center><td>"
                                   : "<tr class=td02 align=center><td>";
    out += std::to_string(row.number);
    out += "</td><td>";
    out += service;
    out += "</td><td>";
    if (malformed == SimMalformedRow::BadFrom) {
        out += "N/A";
    } else {
        SimTime::appendDateTime(out, row.from);
    }
    out += "</td><td>";
    SimTime::appendDateTime(out, row.to);
    out += "</td><td>" + std::to_string(row.sendKB);
    out += "</td><td>" + std::to_string(row.receiveKB);
    out += "</td><td>";
    out += malformed == SimMalformedRow::BadBandwidth ? "N/A" : std::to_string(row.bandwidthKB());
    out += "</td><td>";
    SimTime::appendDuration(out, row.duration());
    out += "</td><td>" + std::to_string(row.chargedKB);
    out += "</td></tr>";
}

std::string SimRecordPageWriter::gigabytesText(std::int64_t kilobytes) {
    const std::int64_t thousandths = (kilobytes * 1000 + 524288) / 1048576;
    std::string fraction = std::to_string(thousandths % 1000);
    return std::to_string(thousandths / 1000) + "." + std::string(3 - fraction.size(), '0') +
           fraction;
}

std::string SimRecordPageWriter::pageAddress(SimMonth month, int page) {
    return "/records/Results?month=" + month.text() + "&page=" + std::to_string(page);
}
