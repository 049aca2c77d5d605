#pragma once

#include <QFont>
#include <QVariant>
#include <cstdint>
#include <optional>

// Reading the typed values of a control's persisted design settings. A design may hold a
// value as its own type or as text (a colour as a signed or unsigned number, a font as
// QFont's text form); a value that cannot be taken as the type gives nothing.
namespace DesignValue {

std::optional<long long> toWhole(const QVariant& value);
std::optional<double> toNumber(const QVariant& value);
// true/false, "True"/"False" in any case, or a number (0 false, anything else true).
std::optional<bool> toBool(const QVariant& value);
// 0x00BBGGRR or 0x800000nn, also when stored as a negative 32-bit number.
std::optional<std::uint32_t> toColor(const QVariant& value);
std::optional<QFont> toFont(const QVariant& value);

} // namespace DesignValue
