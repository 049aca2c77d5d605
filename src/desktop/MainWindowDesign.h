#pragma once

#include "desktop/ControlDesign.h"

#include <QFont>
#include <QSize>
#include <span>

// The main window's design: every control with its caption and place, in twips.
namespace MainWindowDesign {

// The client area at design size; the resizer keeps the window at least this large.
inline constexpr int ClientWidth = 9000;
inline constexpr int ClientHeight = 6900;
// Window border and caption bar the resize rules count in (they measure the outer size).
inline constexpr QSize FrameAllowance{120, 510};

std::span<const ControlDesign> controls();
// The order Tab goes through the controls.
std::span<const std::string_view> tabOrder();
// The font of every caption, and of the program's message boxes.
QFont font(bool bold = false);

// Captions that hold more than a line or are made at run time.
extern const char* const PasswordWarning; // without the download line
extern const char* const MakerPage;
extern const char* const CacheHelp; // the message of "What is this ?"

} // namespace MainWindowDesign
