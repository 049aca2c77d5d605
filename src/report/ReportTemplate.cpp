#include "report/ReportTemplate.h"

#include <array>
#include <utility>

namespace {

constexpr std::string_view tableAttributes =
    R"(style="text-align: left; width: 100%;" border="1" cellpadding="2" cellspacing="2")";
constexpr std::string_view summaryHeadingStyle =
    "text-align: center; color: rgb(255, 255, 255); background-color: rgb(51, 51, 255);";
constexpr std::string_view detailHeadingStyle =
    "color: rgb(255, 255, 255); text-align: center; "
    "background-color: rgb(51, 51, 255); font-weight: bold;";

// The report is shown again and saved as a file that people open in their browsers: rows
// copied from the portal must not be able to run code or fetch anything there.
constexpr std::string_view contentSecurityPolicy =
    "default-src 'none'; style-src 'unsafe-inline'; img-src data:";

constexpr std::string_view doctype =
    R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)";

std::string head() {
    return std::string(doctype) +
           "\n<html><head>"
           R"(<meta http-equiv="content-type" content="text/html; charset=ISO-8859-1">)"
           R"(<meta http-equiv="Content-Security-Policy" content=")" +
           std::string(contentSecurityPolicy) + "\">" + "<title>Veltrix</title></head><body>\n";
}

std::string summaryTable() {
    const std::string style(summaryHeadingStyle);
    return "<table " + std::string(tableAttributes) + "><tbody>\n" +
           R"(<tr><td colspan="3" rowspan="1"><h4>Bandwidth usage summary for ##month-year##</h4></td></tr>)" +
           "\n<tr><td style=\"" + style +
           R"("><span style="font-weight: bold;">KiloByte</span></td>)" +
           R"(<td style="text-align: center; font-weight: bold; color: rgb(255, 255, 255); )" +
           R"(background-color: rgb(51, 51, 255);">MegaByte</td>)" + "<td style=\"" + style +
           R"("><span style="font-weight: bold;">GigaByte</span></td></tr>)" + "\n" +
           R"(<tr><td style="text-align: center;">##kb##</td><td style="text-align: center;">##mb##</td>)" +
           R"(<td style="text-align: center;">##gb##</td></tr>##note##</tbody></table><br>)" + "\n";
}

std::string detailTable() {
    std::string text =
        "<table " + std::string(tableAttributes) + "><tbody>\n" +
        R"(<tr><td colspan="10" rowspan="1"><h4>Detail listing&nbsp;for ##month-year##</h4></td></tr>)" +
        "\n" +
        R"(<tr><td width="0" style="background-color: rgb(51, 51, 255); font-weight: bold;"></td>)";
    constexpr std::array<std::string_view, 9> headings = {
        "Service",
        "From",
        "To",
        "Send(Kb)",
        "Receive(Kb)",
        "Bandwidth(Kb)",
        "Duration",
        "Charged Usage(KB)",
        "&nbsp;&nbsp;&nbsp;Daily total&nbsp;&nbsp;&nbsp;"};
    for (auto heading : headings) {
        text += "<td style=\"" + std::string(detailHeadingStyle) + "\">" + std::string(heading) +
                "</td>";
    }
    return text + "</tr>\n##row##</tbody></table><br>\n</body></html>\n";
}

} // namespace

std::string_view ReportTemplate::documentStart() {
    return doctype;
}

std::string ReportTemplate::text() {
    return head() + summaryTable() + detailTable();
}

std::string ReportTemplate::fill(std::string_view templateText, const Fill& values) {
    const std::array<std::pair<std::string_view, std::string_view>, 6> markers = {{
        {"##month-year##", values.monthYear},
        {"##kb##", values.kb},
        {"##mb##", values.mb},
        {"##gb##", values.gb},
        {"##note##", values.note},
        {"##row##", values.rows},
    }};
    std::string out;
    out.reserve(templateText.size() + values.rows.size() + values.note.size());
    std::size_t at = 0;
    while (at < templateText.size()) {
        const std::size_t hash = templateText.find("##", at);
        if (hash == std::string_view::npos) {
            break;
        }
        out.append(templateText.substr(at, hash - at));
        bool replaced = false;
        for (const auto& [marker, value] : markers) {
            if (templateText.substr(hash, marker.size()) == marker) {
                out.append(value);
                at = hash + marker.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out.append("##");
            at = hash + 2;
        }
    }
    out.append(templateText.substr(std::min(at, templateText.size())));
    return out;
}

std::string ReportTemplate::withRows(std::string_view templateText, std::string_view rows) {
    const std::size_t at = templateText.find("##row##");
    if (at == std::string_view::npos) {
        return std::string(templateText);
    }
    std::string out;
    out.reserve(templateText.size() + rows.size());
    out.append(templateText.substr(0, at)).append(rows).append(templateText.substr(at + 7));
    return out;
}
