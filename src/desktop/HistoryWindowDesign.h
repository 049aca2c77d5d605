#pragma once

#include "desktop/ControlDesign.h"

#include <span>

// The History window's design: every control with its place in twips, caption and resizer
// rule. The months table grows with the window; the chart and the plans list share what is
// left above the advice and the buttons.
namespace HistoryWindowDesign {

// The client area at design size, and what the frame adds (the rules measure the outer size).
inline constexpr int ClientWidth = 9600;
inline constexpr int ClientHeight = 7500;
inline constexpr int FrameWidth = 120;
inline constexpr int FrameHeight = 405;

std::span<const ControlDesign> controls();

} // namespace HistoryWindowDesign
