#pragma once

#include <QDate>
#include <QStringList>

// The captions of the six month buttons: this month and the five before it, "2007-03".
namespace MonthChoices {

inline constexpr int Count = 6;

// Each is the same day k months back as the calendar allows (31 March gives February).
QStringList captions(const QDate& today);

} // namespace MonthChoices
