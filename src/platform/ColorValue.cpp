#include "platform/ColorValue.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace {

QPalette::ColorRole roleForSystemIndex(int index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
    case 0:  // scroll bar
    case 15: // button face
    case 4:  // menu
    case 10: // active border
    case 11: // inactive border
        return QPalette::Button;
    case 1:  // desktop
    case 12: // application workspace
        return QPalette::Dark;
    case 2:  // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 3: // inactive caption
        group = QPalette::Inactive;
        return QPalette::Highlight;
    case 5: // window background
        return QPalette::Base;
    case 6:  // window frame
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 7:  // menu text
    case 18: // button text
        return QPalette::ButtonText;
    case 9:  // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Mid;
    case 17: // grey text
    case 19: // inactive caption text
        group = QPalette::Disabled;
        return QPalette::Text;
    case 20: // button highlight
        return QPalette::Light;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    case 8: // window text
    default:
        return QPalette::Text;
    }
}

} // namespace

QColor ColorValue::toQColor(std::uint32_t value, const QPalette& palette) {
    if (isSystemColor(value)) {
        QPalette::ColorGroup group;
        const auto role = roleForSystemIndex(static_cast<int>(value & 0xFFu), group);
        return palette.color(group, role);
    }
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

QColor ColorValue::toQColor(std::uint32_t value) {
    if (!isSystemColor(value)) {
        return toQColor(value, QPalette());
    }
    return toQColor(value, qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                               ? QGuiApplication::palette()
                               : QPalette());
}

std::uint32_t ColorValue::fromQColor(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

namespace {

double relativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

constexpr double LegibleRatio = 4.5;

} // namespace

double ColorValue::contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ColorValue::legibleOn(std::initializer_list<QColor> backgrounds, const QColor& preferred) {
    const auto weakest = [backgrounds](const QColor& text) {
        double ratio = 21;
        for (const QColor& background : backgrounds) {
            ratio = std::min(ratio, contrastRatio(background, text));
        }
        return ratio;
    };
    if (weakest(preferred) >= LegibleRatio) {
        return preferred;
    }
    const QColor towards =
        weakest(Qt::black) >= weakest(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    const QColor from = preferred.toRgb();
    constexpr int Steps = 20;
    for (int step = 1; step < Steps; ++step) {
        const double share = static_cast<double>(step) / Steps;
        const auto mix = [share](int a, int b) {
            return static_cast<int>(std::lround(a + (b - a) * share));
        };
        const QColor mixed(mix(from.red(), towards.red()), mix(from.green(), towards.green()),
                           mix(from.blue(), towards.blue()));
        if (weakest(mixed) >= LegibleRatio) {
            return mixed;
        }
    }
    return towards;
}
