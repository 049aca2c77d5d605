#pragma once

#include "chart/ChartFeed.h"

#include <QSize>
#include <QString>
#include <optional>

// Chart images for the command line: the built-in chart of a month exactly as the result
// window shows it, written to a PNG or SVG file.
namespace BuiltInChartFile {

inline constexpr QSize DefaultSize{900, 500};

// "WxH" in pixels, each between 50 and 10000; nullopt for anything else.
std::optional<QSize> parseSize(const QString& text);

// Needs a QGuiApplication (see HeadlessApplication). Throws a Failure saying what went wrong.
// `allowanceLine` switches the daily allowance line on, as the window's chart page does.
void render(const ChartFeedInput& input, const QString& path, QSize pixels = DefaultSize,
            bool allowanceLine = false);

} // namespace BuiltInChartFile
