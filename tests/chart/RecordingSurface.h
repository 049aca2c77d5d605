#pragma once

#include "chart/ChartSurface.h"

#include <algorithm>
#include <vector>

// A surface that paints nothing and keeps a list of what it was asked to draw, with fixed
// text metrics, so that tests can check the geometry of a drawing without pixels.
class RecordingSurface final : public ChartSurface {
public:
    enum class Kind { Clear, Text, Line, Box, FilledBox, Ellipse, Polygon, Picture, RotatedText };

    struct Operation {
        Kind kind = Kind::Clear;
        // Twips: the two corner or end points (Text: top-left; Ellipse: its centre).
        QPointF from;
        QPointF to;
        QString text;
        double angle = 0;
        std::uint32_t color = 0;
        std::uint32_t fillColor = 0;
        int fillStyle = 0;
        bool bold = false;
    };

    // Characters are `pointSize` * 0.75 pixels wide and lines `pointSize` * 1.5 pixels high.
    RecordingSurface(double widthTwips, double heightTwips, double twipsPerPixel = 15,
                     ChartFont font = {})
        : ChartSurface(twipsPerPixel, twipsPerPixel, std::move(font))
        , m_width(widthTwips)
        , m_height(heightTwips) {}

    double ScaleWidth() const override { return m_width; }
    double ScaleHeight() const override { return m_height; }
    double TextWidth(const QString& text) const override {
        return static_cast<double>(text.size()) * FontSize() * 0.75 * twipsPerPixelX();
    }
    double TextHeight(const QString&) const override { return FontSize() * 1.5 * twipsPerPixelY(); }

    void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) override {
        add(Kind::Line, {x1, y1}, {x2, y2}, colour);
    }
    void Box(double x1, double y1, double x2, double y2, std::uint32_t colour) override {
        add(Kind::Box, {x1, y1}, {x2, y2}, colour);
    }
    void FilledBox(double x1, double y1, double x2, double y2, std::uint32_t colour) override {
        add(Kind::FilledBox, {x1, y1}, {x2, y2}, colour);
    }
    void Ellipse(double cx, double cy, double, double) override {
        add(Kind::Ellipse, {cx, cy}, {cx, cy}, ForeColor());
    }
    void Polygon(const QPolygon&) override { add(Kind::Polygon, {}, {}, ForeColor()); }
    void PaintPicture(const QImage&, double x, double y, double width, double height,
                      const QRectF&) override {
        add(Kind::Picture, {x, y}, {x + width, y + height}, 0);
    }
    bool textOutRotated(const QString& text, QPoint start, double angle) override {
        Operation& op = add(Kind::RotatedText, start, start, ForeColor());
        op.text = text;
        op.angle = angle;
        return true;
    }

    const std::vector<Operation>& operations() const { return m_operations; }
    std::vector<Operation> operations(Kind kind) const {
        return matching([kind](const Operation& op) { return op.kind == kind; });
    }
    // Text and rotated-text operations whose text is exactly `text`.
    std::vector<Operation> texts(const QString& text) const {
        return matching([&text](const Operation& op) {
            return (op.kind == Kind::Text || op.kind == Kind::RotatedText) && op.text == text;
        });
    }
    void reset() { m_operations.clear(); }

protected:
    void clear(std::uint32_t backColor) override {
        add(Kind::Clear, {}, {m_width, m_height}, backColor);
    }
    void printText(const QString& text, double x, double y) override {
        add(Kind::Text, {x, y}, {x + TextWidth(text), y + TextHeight(text)}, ForeColor()).text =
            text;
    }

private:
    Operation& add(Kind kind, QPointF from, QPointF to, std::uint32_t colour) {
        m_operations.push_back(
            {kind, from, to, QString(), 0, colour, FillColor(), FillStyle(), FontBold()});
        return m_operations.back();
    }
    template <typename Test> std::vector<Operation> matching(Test test) const {
        std::vector<Operation> found;
        std::copy_if(m_operations.begin(), m_operations.end(), std::back_inserter(found), test);
        return found;
    }

    double m_width;
    double m_height;
    std::vector<Operation> m_operations;
};
