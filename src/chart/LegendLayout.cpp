#include "chart/LegendLayout.h"

#include <algorithm>
#include <cstdlib>

QRect LegendLayout::swatchRect(int index) {
    return QRect(SwatchLeft, FirstTop + index * Pitch, EntryHeight, EntryHeight);
}

QRect LegendLayout::textRect(int index, int contentWidth) {
    return QRect(TextLeft, FirstTop + index * Pitch, std::max(contentWidth - TextLeft, 0),
                 EntryHeight);
}

int LegendLayout::contentHeight(int entryCount) {
    return Pitch * entryCount + Spacing;
}

int LegendLayout::entryAt(QPoint point, int entryCount, int contentWidth) {
    for (int i = 0; i < entryCount; ++i) {
        if (swatchRect(i).contains(point) || textRect(i, contentWidth).contains(point)) {
            return i;
        }
    }
    return -1;
}

QString LegendLayout::fitText(const QString& text, double available,
                              const std::function<double(const QString&)>& width) {
    if (width(text) <= available) {
        return text;
    }
    // The shortened text keeps room for its "..", so the marker is never cut off itself.
    QString shortened = text;
    while (!shortened.isEmpty() && width(shortened + QStringLiteral("..")) > available) {
        shortened.chop(1);
    }
    return shortened + QStringLiteral("..");
}

int LegendLayout::scrollForSelection(int selected, int innerHeight, int maximum) {
    const int fits = std::abs(innerHeight / Pitch - 1);
    if (selected + 1 <= fits) {
        return 0;
    }
    const int bottom = swatchRect(selected).bottom() + Spacing;
    return std::clamp(bottom - innerHeight, 0, std::max(maximum, 0));
}
