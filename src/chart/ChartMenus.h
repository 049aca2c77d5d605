#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The captions of the chart's popup menus: the six built-in entries from MenuItems and up to
// eight custom entries from CustomMenuItems, both separated by "|".
namespace ChartMenus {

inline constexpr int BuiltInCount = 6;
inline constexpr int CustomCount = 8;
// Order of the built-in entries: mnuMainSaveAs, mnuMainPrint, mnuMainCopy,
// mnuMainSelectionInfo, mnuMainViewLegend, mnuLegendHide.
enum BuiltIn { SaveAs, Print, Copy, SelectionInfo, ViewLegend, LegendHide };

// A missing or empty part keeps that entry's own caption.
std::array<QString, BuiltInCount> BuildMenuCaptions(const QString& menuItems);
// The non-blank parts, trimmed, at most eight.
QStringList BuildCustomMenuItems(const QString& customMenuItems);

} // namespace ChartMenus
