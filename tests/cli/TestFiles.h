#pragma once

// Files the command tests give the commands and read back: month files of March 2007 as
// `veltrix check --cache` leaves them, and whole files of any content.
#include "platform/SingleByteText.h"
#include "retrieval/FileDataStore.h"
#include "support/FileContent.h"

#include <string>

// A session from 10:00 to 11:00 on that day of March 2007.
inline std::string marchRow(int day, long long bandwidthKB, const char* service = "ADSL") {
    const std::string date = QString("2007-03-%1").arg(day, 2, 10, QChar('0')).toStdString();
    const std::string kb = std::to_string(bandwidthKB);
    return "<tr><td>" + std::to_string(day) + "</td><td>" + service + "</td><td>" + date +
           " 10:00:00</td><td>" + date + " 11:00:00</td><td>1</td><td>2</td><td>" + kb +
           "</td><td>01:00:00</td><td>" + kb + "</td></tr>";
}

// One session a day from that day back to the first, newest first as the portal lists them.
inline std::string marchDays(int lastDay, long long bandwidthKB) {
    std::string rows;
    for (int day = lastDay; day >= 1; --day) {
        rows += marchRow(day, bandwidthKB);
    }
    return rows;
}

// Writes the rows scrambled as a month file.
inline void storeMonth(const QString& file, const std::string& rows) {
    FileDataStore::SaveFileData(file, rows, true);
}
