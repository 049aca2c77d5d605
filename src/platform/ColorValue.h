#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>
#include <initializer_list>

// Colour values as windows, the report and the chart store them: 0x00BBGGRR (red in the
// lowest byte) or a system colour 0x800000nn that stands for a palette entry.
namespace ColorValue {

constexpr std::uint32_t SystemFlag = 0x80000000u;

constexpr std::uint32_t rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) |
           (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}
constexpr bool isSystemColor(std::uint32_t value) {
    return (value & SystemFlag) != 0;
}
constexpr std::uint32_t systemColor(int index) {
    return SystemFlag | static_cast<std::uint32_t>(index);
}

// Well-known system colours by their number.
enum SystemIndex : int {
    WindowBackground = 5,
    WindowText = 8,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    ButtonHighlight = 20,
    ToolTipText = 23,
    ToolTipBackground = 24,
};

// The colour to draw with: RGB values as they are, system colours looked up in `palette`
// (an unknown system colour number gives the window text colour).
QColor toQColor(std::uint32_t value, const QPalette& palette);
// The same, with the application's palette (or Qt's default one when there is no application).
QColor toQColor(std::uint32_t value);

// 0x00BBGGRR for a QColor (alpha dropped).
std::uint32_t fromQColor(const QColor& color);

// How well two colours stand apart as text and background: the ratio of their relative
// luminances (each plus 0.05), from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);
// Text that reads on every one of `backgrounds`: `preferred` when it stands apart from each
// by at least 4.5:1, otherwise `preferred` taken towards black or white (whichever stands
// apart more) just far enough, so that a link stays blue and only gets lighter or darker.
QColor legibleOn(std::initializer_list<QColor> backgrounds, const QColor& preferred);
inline QColor legibleOn(const QColor& background, const QColor& preferred) {
    return legibleOn({background}, preferred);
}

} // namespace ColorValue
