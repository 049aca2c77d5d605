#pragma once

#include "chart/ChartSurface.h"

#include <vector>

// A surface that paints nothing and keeps a list of what it was asked to draw, with fixed
// text metrics, so that tests can check the geometry of a drawing without pixels.
class RecordingSurface final : public ChartSurface {
public:
    enum class Kind { Clear, Text, Line, Box, FilledBox, Ellipse, Polygon, Picture, RotatedText };

    struct Operation {
        Kind kind = Kind::Clear;
        // Twips: the two corner or end points (Text: top-left; Ellipse: centre and radii).
        QPointF from;
        QPointF to;
        QPolygon pixels;
        QString text;
        double angle = 0;
        std::uint32_t color = 0;
        std::uint32_t fillColor = 0;
        int fillStyle = 0;
        int drawWidth = 1;
        int drawStyle = 0;
        double fontSize = 0;
        bool bold = false;
    };

    // Characters are `pointSize` * 0.75 pixels wide and lines `pointSize` * 1.5 pixels high.
    RecordingSurface(double widthTwips, double heightTwips, double twipsPerPixel = 15,
                     ChartFont font = {});

    double ScaleWidth() const override { return m_width; }
    double ScaleHeight() const override { return m_height; }
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

    void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void Box(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void FilledBox(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void Ellipse(double cx, double cy, double radius, double aspect) override;
    void Polygon(const QPolygon& pixels) override;
    void PaintPicture(const QImage& picture, double x, double y, double width, double height,
                      const QRectF& source) override;
    bool textOutRotated(const QString& text, QPoint start, double angle) override;

    const std::vector<Operation>& operations() const { return m_operations; }
    std::vector<Operation> operations(Kind kind) const;
    // Text and rotated-text operations whose text is exactly `text`.
    std::vector<Operation> texts(const QString& text) const;
    void reset() { m_operations.clear(); }

protected:
    void clear(std::uint32_t backColor) override;
    void printText(const QString& text, double x, double y) override;

private:
    Operation make(Kind kind, QPointF from, QPointF to, std::uint32_t colour) const;

    double m_width;
    double m_height;
    std::vector<Operation> m_operations;
};
