#include "chart/ChartSurface.h"

ChartSurface::ChartSurface(double twipsPerPixelX, double twipsPerPixelY, ChartFont font)
    : m_twipsPerPixelX(twipsPerPixelX > 0 ? twipsPerPixelX : 15)
    , m_twipsPerPixelY(twipsPerPixelY > 0 ? twipsPerPixelY : 15)
    , m_font(std::move(font)) {}

void ChartSurface::Cls(std::uint32_t backColor) {
    clear(backColor);
    m_currentX = 0;
    m_currentY = 0;
}

void ChartSurface::Print(const QString& text) {
    // A text of several lines goes down line by line, each from the same left edge.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        printText(line, m_currentX, m_currentY);
        m_currentY += TextHeight(line.isEmpty() ? QStringLiteral("A") : line);
    }
    m_currentX = 0;
}
