#include "report/ReportFormatting.h"

#include "platform/NumberFormat.h"

#include <cstdio>

std::string GetKBMBGBString(FixedPoint kb) {
    const std::string kbText = kb.toText();
    if (kb < FixedPoint(1024)) {
        return kbText + " KB";
    }
    const double mb = kb.toDouble() / 1024;
    if (mb < 1024) {
        return kbText + " KB<BR>" + NumberFormat::decimals(mb, 2) + " MB";
    }
    return kbText + " KB<BR>" + NumberFormat::decimals(mb, 2) + " MB<BR>" +
           NumberFormat::decimals(kb.toDouble() / 1024 / 1024, 2) + " GB";
}

std::string ColorToHTML(std::uint32_t color) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08X", color);
    const std::string h = std::string(digits).substr(2); // BBGGRR
    return "#" + h.substr(4, 2) + h.substr(2, 2) + h.substr(0, 2);
}
