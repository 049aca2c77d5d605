#pragma once

#include <QImage>
#include <QPolygon>
#include <QString>
#include <cstdint>

// The font a surface starts with: the control's own font.
struct ChartFont {
    QString family = QStringLiteral("Liberation Sans");
    double pointSize = 8;
};

// A drawing surface as the chart drawing needs it: coordinates in twips, a current position,
// fore and fill colours, fill and pen styles, a font whose size and weight can change, and the
// primitives below. Colours are passed as stored (system colours included); each surface
// translates them. Polygons and rotated text are in whole pixels.
class ChartSurface {
public:
    explicit ChartSurface(double twipsPerPixelX, double twipsPerPixelY, ChartFont font = {});
    virtual ~ChartSurface() = default;
    ChartSurface(const ChartSurface&) = delete;
    ChartSurface& operator=(const ChartSurface&) = delete;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    double twipsPerPixelX() const { return m_twipsPerPixelX; }
    double twipsPerPixelY() const { return m_twipsPerPixelY; }

    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }
    std::uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(std::uint32_t colour) { m_foreColor = colour; }
    std::uint32_t FillColor() const { return m_fillColor; }
    void setFillColor(std::uint32_t colour) { m_fillColor = colour; }
    // 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward diagonal, 5 downward
    // diagonal, 6 cross, 7 diagonal cross.
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    // Pen width in pixels and pen style (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
    // 5 transparent, 6 inside solid).
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width) { m_drawWidth = width < 1 ? 1 : width; }
    int DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(int style) { m_drawStyle = style; }
    const QString& FontName() const { return m_font.family; }
    double FontSize() const { return m_font.pointSize; }
    void setFontSize(double points) { m_font.pointSize = points < 1 ? 1 : points; }
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool bold) { m_fontBold = bold; }

    // Clears to `backColor` and moves the current position to (0, 0).
    void Cls(std::uint32_t backColor);
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;
    // Draws text at the current position, then moves to the start of the next line.
    void Print(const QString& text);

    virtual void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) = 0;
    // Outline in `colour`, interior in the fill colour and fill style.
    virtual void Box(double x1, double y1, double x2, double y2, std::uint32_t colour) = 0;
    virtual void FilledBox(double x1, double y1, double x2, double y2, std::uint32_t colour) = 0;
    // Outline in the fore colour; radius is half the larger extent, aspect = height / width.
    virtual void Ellipse(double cx, double cy, double radius, double aspect) = 0;
    // Outline with the pen in the fore colour, interior in the fill colour and fill style.
    virtual void Polygon(const QPolygon& pixels) = 0;
    // Draws the part `source` (in picture pixels) of `picture` stretched into the rectangle.
    virtual void PaintPicture(const QImage& picture, double x, double y, double width,
                              double height, const QRectF& source) = 0;
    // Outputs text in the current font and fore colour with its unrotated top-left corner at
    // `start`, the baseline turned `angle` degrees counter-clockwise about that corner.
    virtual bool textOutRotated(const QString& text, QPoint start, double angle) = 0;

protected:
    virtual void clear(std::uint32_t backColor) = 0;
    virtual void printText(const QString& text, double x, double y) = 0;

private:
    double m_twipsPerPixelX;
    double m_twipsPerPixelY;
    ChartFont m_font;
    double m_currentX = 0;
    double m_currentY = 0;
    std::uint32_t m_foreColor = 0;
    std::uint32_t m_fillColor = 0;
    int m_fillStyle = 1;
    int m_drawWidth = 1;
    int m_drawStyle = 0;
    bool m_fontBold = false;
};
