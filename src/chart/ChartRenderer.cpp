#include "chart/ChartRenderer.h"

#include "chart/ChartSurface.h"
#include "chart/RotatedText.h"
#include "chart/XChartModel.h"

#include <cmath>

namespace {

constexpr int Transparent = 1;
constexpr int DashStyle = 1;
constexpr int TitleTop = 4;

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

const QString CrLf = QStringLiteral("\r\n");

// Restores the surface's font size when the scope ends.
class FontSizeScope {
public:
    FontSizeScope(ChartSurface& surface, double change)
        : m_surface(surface)
        , m_saved(surface.FontSize()) {
        m_surface.setFontSize(m_saved + change);
    }
    ~FontSizeScope() { m_surface.setFontSize(m_saved); }
    FontSizeScope(const FontSizeScope&) = delete;
    FontSizeScope& operator=(const FontSizeScope&) = delete;

private:
    ChartSurface& m_surface;
    double m_saved;
};

} // namespace

ChartRenderer::ChartRenderer(const XChartModel& model, ChartSurface& surface)
    : m_model(model)
    , m_props(model.properties())
    , m_surface(surface)
    , m_geometry(model.geometry()) {}

double ChartRenderer::px() const {
    return m_model.twipsPerPixelX();
}

double ChartRenderer::pxY() const {
    return m_model.twipsPerPixelY();
}

QPoint ChartRenderer::toPixels(double x, double y) const {
    return QPoint(roundHalfEven(x / px()), roundHalfEven(y / pxY()));
}

void ChartRenderer::draw() {
    if (!m_props.AutoRedraw) {
        return;
    }
    m_surface.setDrawWidth(1);
    m_surface.setDrawStyle(0);
    m_surface.setFillStyle(Transparent);
    m_surface.Cls(m_props.BackColor);
    if (!m_props.Picture.isNull()) {
        FillBoxWithPicture(m_geometry.plotLeft(), m_geometry.plotRight(), m_geometry.plotTop(),
                           m_geometry.plotBottom(), m_props.PictureTile, m_props.Picture);
    }
    drawTitles();
    if (m_props.AxisYOn) {
        drawValueAxis();
    }
    if (m_props.ContentBorder) {
        m_surface.Box(m_geometry.plotLeft(), m_geometry.plotTop(), m_geometry.plotRight(),
                      m_geometry.plotBottom(), m_props.MajorGridColor);
    }
    m_uprightLabels = m_props.AxisXOn && itemLabelsUpright();
    std::optional<QPointF> previousPoint;
    for (int i = 0; i < m_model.itemCount(); ++i) {
        drawItem(i, previousPoint);
    }
    drawAllowance();
    drawAxisCaptions();
}

void ChartRenderer::drawAllowance() {
    if (!m_model.allowanceShown()) {
        return;
    }
    const std::optional<QLineF> line = m_geometry.levelLine(*m_model.AllowanceValue());
    if (!line) {
        return;
    }
    // dashed and two pixels wide, so it reads as a level over the bars, not as a grid line
    m_surface.setDrawStyle(DashStyle);
    m_surface.setDrawWidth(2);
    m_surface.Line(line->x1(), line->y1(), line->x2(), line->y2(), m_props.AllowanceColor);
    m_surface.setDrawWidth(1);
    m_surface.setDrawStyle(0);
}

void ChartRenderer::drawTitles() {
    const double centre = m_geometry.titleCentreX();
    m_surface.setForeColor(m_props.ChartTitleColor);
    m_surface.setFontBold(true);
    m_surface.setCurrentX(centre - m_surface.TextWidth(m_props.ChartTitle) / 2);
    // A few pixels of air above the title keep it off the control's edge.
    m_surface.setCurrentY(TitleTop * pxY());
    m_surface.Print(m_props.ChartTitle);
    m_surface.setFontBold(false);
    m_surface.setForeColor(m_props.ChartSubTitleColor);
    const FontSizeScope smaller(m_surface, -2);
    m_surface.setCurrentX(centre - m_surface.TextWidth(m_props.ChartSubTitle) / 2);
    m_surface.Print(m_props.ChartSubTitle);
}

void ChartRenderer::drawValueAxis() {
    m_surface.setForeColor(m_props.AxisItemsYColor);
    const FontSizeScope smaller(m_surface, -2);
    const double digitHeight = m_surface.TextHeight(QStringLiteral("0"));
    const auto lines = m_geometry.gridLines(m_props.IntersectMajor, m_props.IntersectMinor,
                                            m_props.MinorGridOn, digitHeight * 2, 4 * pxY());
    const double left = m_geometry.plotLeft() + 2 * px();
    const double right = m_geometry.plotRight();
    for (const GridLine& line : lines) {
        if (!line.major) {
            m_surface.Line(left, line.y, right, line.y, m_props.MinorGridColor);
            continue;
        }
        if (m_props.MajorGridOn) {
            m_surface.Line(left, line.y, right, line.y, m_props.MajorGridColor);
        }
        if (line.labelled) {
            const QString text = QString::number(line.value);
            m_surface.setCurrentX(m_geometry.plotLeft() - m_surface.TextWidth(text) - 5 * px());
            m_surface.setCurrentY(line.y - digitHeight / 2);
            m_surface.Print(text);
        }
    }
}

double ChartRenderer::valueEnd(double value, const ItemBound& bound) const {
    switch (m_model.layout().RangeMode) {
    case 1:
        return bound.bottom;
    case 2:
        return bound.top;
    default:
        return value > 0 ? bound.top : bound.bottom;
    }
}

void ChartRenderer::drawItem(int index, std::optional<QPointF>& previousPoint) {
    const ChartItem& element = *m_model.items()[static_cast<std::size_t>(index)];
    const bool isMean = m_model.isMeanItem(index);
    const QRectF slot = m_geometry.slotRect(index);
    const ItemBound bound = m_model.layout().ItemBounds[static_cast<std::size_t>(index)];
    const double unit = m_model.layout().UnitWidth;
    if ((m_props.ChartType & ChartTypeBits::AnyShape) != 0) {
        const QRectF shape = m_geometry.shapeRect(index, m_props.BarWidthPercentage);
        m_surface.setDrawWidth(m_props.LineWidth);
        m_surface.setFillStyle(m_props.BarFillStyle);
        m_surface.setFillColor(m_model.itemFillColor(index));
        drawShape(index, shape.left(), shape.right(), bound.top, bound.bottom);
    }
    m_surface.setDrawWidth(1);
    m_surface.setFillStyle(Transparent);
    const QPointF valuePoint(slot.left() + unit / 2, valueEnd(element.Value, bound));
    if ((m_props.ChartType & ChartTypeBits::Symbol) != 0) {
        m_surface.setForeColor(isMean ? m_props.MeanColor : m_props.BarSymbolColor);
        const FontSizeScope larger(m_surface, 2);
        m_surface.setCurrentX(valuePoint.x() - m_surface.TextWidth(m_props.BarSymbol) / 2);
        m_surface.setCurrentY(valuePoint.y() - m_surface.TextHeight(m_props.BarSymbol) / 2);
        m_surface.Print(m_props.BarSymbol);
    }
    if ((m_props.ChartType & ChartTypeBits::Line) != 0) {
        if (index > 0 && !isMean && previousPoint) {
            m_surface.setDrawStyle(m_props.LineStyle);
            m_surface.setDrawWidth(m_props.LineWidth);
            m_surface.Line(previousPoint->x(), previousPoint->y(), valuePoint.x(), valuePoint.y(),
                           m_props.LineColor);
            m_surface.setDrawWidth(1);
            m_surface.setDrawStyle(0);
        }
        previousPoint = valuePoint;
    }
    if (m_props.AxisXOn) {
        drawItemLabels(slot, element.XAxisDescription, m_uprightLabels);
    }
}

void ChartRenderer::drawShape(int index, double left, double right, double top, double bottom) {
    const double value = m_model.items()[static_cast<std::size_t>(index)]->Value;
    const int type = m_props.ChartType;
    m_surface.setForeColor(m_props.BarColor);
    for (const int bit : ChartTypeBits::ShapeOrder) {
        if ((type & bit) == 0) {
            continue;
        }
        switch (bit) {
        case ChartTypeBits::Ellipse:
            DrawEllipseShape(left, right, top, bottom);
            break;
        case ChartTypeBits::Bar:
            DrawBarShape(value, left, right, top, bottom, m_props.BarColor,
                         m_model.isMeanItem(index));
            break;
        case ChartTypeBits::Triangle:
            DrawTriangleShape(value, left, right, top, bottom);
            break;
        case ChartTypeBits::Trapezoid:
            DrawTrapezoidShape(value, left, right, top, bottom);
            break;
        default:
            DrawDiamondShape(left, right, top, bottom);
            break;
        }
        return;
    }
}

bool ChartRenderer::itemLabelsUpright() const {
    const FontSizeScope smaller(m_surface, -1);
    const double room = m_model.layout().UnitWidth - 2 * px();
    for (const ChartItemRef& element : m_model.items()) {
        const QStringList lines = element->XAxisDescription.split(CrLf);
        for (const QString& line : lines) {
            if (m_surface.TextWidth(line) > room) {
                return true;
            }
        }
    }
    return false;
}

void ChartRenderer::drawItemLabels(const QRectF& slot, const QString& description, bool upright) {
    m_surface.setForeColor(m_props.AxisItemsXColor);
    const FontSizeScope smaller(m_surface, -1);
    const QStringList lines = description.split(CrLf);
    const double centre = slot.left() + slot.width() / 2;
    const double centrePx = centre / px();
    const double lineHeight = m_surface.TextHeight(QStringLiteral("A")) / pxY();
    const double bottomPx = m_geometry.plotBottom() / pxY();
    // Upright labels stand side by side, their top end 5 px under the frame; flat ones are
    // stacked under each other from the same height.
    double x =
        upright ? centrePx - lineHeight * static_cast<double>(lines.size() - 1) / 2 : centrePx;
    double y = bottomPx + 5 + lineHeight / 2;
    for (const QString& line : lines) {
        if (upright) {
            y = (m_geometry.plotBottom() + m_surface.TextWidth(line) / 2) / pxY() + 5;
        }
        basTextRot::DrawRotatedText(m_surface, line, roundHalfEven(x), roundHalfEven(y),
                                    upright ? 90 : 0);
        if (upright) {
            x += lineHeight;
        } else {
            y += lineHeight;
        }
    }
    const double tickTop = m_geometry.plotBottom() + pxY();
    m_surface.Line(centre, tickTop, centre, tickTop + 2 * pxY(), m_props.MajorGridColor);
}

void ChartRenderer::drawAxisCaptions() {
    if (!m_props.AxisLabelX.isEmpty()) {
        const FontSizeScope smaller(m_surface, -1);
        m_surface.setCurrentY(m_surface.ScaleHeight() -
                              1.5 * m_surface.TextHeight(m_props.AxisLabelX));
        m_surface.setCurrentX(m_geometry.titleCentreX() -
                              m_surface.TextWidth(m_props.AxisLabelX) / 2);
        m_surface.setForeColor(m_props.AxisLabelXColor);
        m_surface.Print(m_props.AxisLabelX);
    }
    if (!m_props.AxisLabelY.isEmpty()) {
        const FontSizeScope smaller(m_surface, -1);
        m_surface.setForeColor(m_props.AxisLabelYColor);
        basTextRot::DrawRotatedText(m_surface, m_props.AxisLabelY,
                                    roundHalfEven(m_surface.TextHeight(m_props.AxisLabelY) / pxY()),
                                    roundHalfEven(m_surface.ScaleHeight() / 2 / pxY()), 90);
    }
}
