#pragma once

#include <QString>

// Numbers in the selection information and the printed legend, by the chart's DataFormat
// pattern: digit placeholders "0" (always shown) and "#" (shown when needed), "." for the
// decimals, "," for thousands groups, "%" for per cent, and text around them kept as it is;
// the names "Fixed", "Standard" and "Percent" stand for their usual patterns. An empty
// pattern gives the plain number form. Halves round away from zero.
namespace ValueFormat {

QString format(double value, const QString& pattern);

} // namespace ValueFormat
