#pragma once

#include "platform/FixedPoint.h"

#include <cstdint>
#include <string>

// The size text of the daily-total cells and the HTML colour of the report's style rules.

// "1023 KB", "1024 KB<BR>1.00 MB", "1048576 KB<BR>1024.00 MB<BR>1.00 GB"
std::string GetKBMBGBString(FixedPoint kb);

// A colour 0x00BBGGRR as "#RRGGBB" (upper-case digits); only the last six digits count.
std::string ColorToHTML(std::uint32_t color);
