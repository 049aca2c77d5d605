#pragma once

#include "platform/dom/Document.h"
#include "report/ReportBuilder.h"

#include <string>

// One portal log row as the walk stores it (stripes already removed).
inline std::string logRow(const std::string& from, const std::string& to, long long bandwidth,
                          long long charged, const std::string& service = "ADSL") {
    return "<tr><td>1</td><td>" + service + "</td><td>" + from + "</td><td>" + to +
           "</td><td>10</td><td>20</td><td>" + std::to_string(bandwidth) +
           "</td><td>00:10:00</td><td>" + std::to_string(charged) + "</td></tr>";
}

// Table rows of the final report's detail table (index 0 title, 1 header, then detail rows).
inline std::vector<Element*> detailRows(const Document& document) {
    return document.getElementsByTagName("table").at(1)->rows();
}
