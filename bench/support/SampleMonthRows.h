#pragma once

#include <cstdio>
#include <string>

// A month of `count` rows as the portal lists them, newest first, spread over `days` days of
// `month` ("2007-03"), a third of them in the night window (nothing charged).
inline std::string sampleMonthRows(int count, const std::string& month = "2007-03", int days = 31) {
    std::string rows;
    char buffer[512];
    for (int i = count - 1; i >= 0; --i) {
        const int day = 1 + i * days / count;
        const int minute = (i * 37) % (24 * 60 - 30);
        const int bandwidth = 1000 + (i * 7919) % 50000;
        std::snprintf(buffer, sizeof buffer,
                      "<tr><td>%d</td><td>ADSL</td><td>%s-%02d %02d:%02d:00</td>"
                      "<td>%s-%02d %02d:%02d:00</td><td>%d</td><td>%d</td><td>%d</td>"
                      "<td>00:20:00</td><td>%d</td></tr>",
                      i, month.c_str(), day, minute / 60, minute % 60, month.c_str(), day,
                      (minute + 20) / 60, (minute + 20) % 60, bandwidth / 3,
                      bandwidth - bandwidth / 3, bandwidth,
                      minute < 480 && minute >= 120 ? 0 : bandwidth);
        rows += buffer;
    }
    return rows;
}
