#pragma once

#include "platform/FixedPoint.h"

#include <string>

// The one place where numbers become display texts: "0", "0.00", "0.000" formats round to the
// shown decimals with halves away from zero, use "." as the decimal separator whatever the
// locale, and never show "-0".
namespace NumberFormat {

// value with exactly `decimals` decimals. A double is first taken at its shortest round-trip
// decimal form, so 50.625 gives "50.63" and 0.145 gives "0.15", as a person would expect.
std::string decimals(double value, int decimals);
std::string decimals(FixedPoint value, int decimals);
// The value `decimals` shows (0 to 4 decimals), as a number: money held to the paisa is the
// amount its text shows.
FixedPoint rounded(double value, int decimals);

// A count with its thousands set apart by commas, for progress and messages: "2,310".
std::string grouped(long long count);

// A number as a plain text: up to 15 significant digits, no trailing zeros ("128", "27.74",
// "0", "5.5", "0.3" for 0.1 + 0.2).
std::string general(double value);

} // namespace NumberFormat
