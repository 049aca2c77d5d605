#pragma once

#include "desktop/ControlDesign.h"

#include <span>
#include <string_view>

// The result window's design: every control with its place in twips, caption, tool tip and
// resizer rule. The window is built from it and the resizer rearranges it.
namespace ResultWindowDesign {

// The window's client area at design size, and what its frame adds to give the outer size
// the resizer's rules measure from (a sizable border and a caption bar).
inline constexpr int ClientWidth = 9780;
inline constexpr int ClientHeight = 7995;
inline constexpr int FrameWidth = 120;
inline constexpr int FrameHeight = 405;

// Captions the saved report repeats on paper.
inline constexpr std::string_view TodayNote = "* - These fields are displayed when last recorded "
                                              "day is today.";
inline constexpr std::string_view TaxCaption = "Tax (10.30%) :";

std::span<const ControlDesign> controls();
// The order Tab moves through the controls.
std::span<const std::string_view> tabOrder();

} // namespace ResultWindowDesign
