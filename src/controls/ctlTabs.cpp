#include "controls/ctlTabs.h"

#include "controls/ControlKind.h"
#include "controls/TabStripAccessible.h"
#include "platform/ColorValue.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QRect fillRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A raised inner edge one pixel wide on the chosen sides: light on the left and top, shadow
// on the right and bottom, inside the rectangle's right and bottom borders.
void drawRaisedInnerEdge(QPainter& painter, const QPalette& palette, const PixelRect& r,
                         int sides) {
    const QColor light = ColorValue::toQColor(ColorValue::systemColor(20), palette);
    const QColor shadow = ColorValue::toQColor(ColorValue::systemColor(16), palette);
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    if (sides & TabStripGeometry::Left) {
        painter.setPen(light);
        painter.drawLine(r.left, r.top, r.left, bottom);
    }
    if (sides & TabStripGeometry::Top) {
        painter.setPen(light);
        painter.drawLine(r.left, r.top, right, r.top);
    }
    if (sides & TabStripGeometry::Right) {
        painter.setPen(shadow);
        painter.drawLine(right, r.top, right, bottom);
    }
    if (sides & TabStripGeometry::Bottom) {
        painter.setPen(shadow);
        painter.drawLine(r.left, bottom, right, bottom);
    }
}

} // namespace

ctlTabs::ctlTabs(QWidget* parent)
    : QWidget(parent)
    , m_model(font()) {
    TabStripAccessible::install();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_model.setRedrawHandler([this] { DrawTabs(); });
    m_model.setTabClickHandler([this](int oldTab, int newTab) {
        QAccessibleEvent selected(this, QAccessible::Selection);
        selected.setChild(newTab - 1);
        QAccessible::updateAccessibility(&selected);
        if (hasFocus()) { // the arrow keys move the focus with the selection
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(newTab - 1);
            QAccessible::updateAccessibility(&focus);
        }
        Q_EMIT TabClick(oldTab, newTab);
    });
    DrawTabs();
}

void ctlTabs::load(const PropertyBag& bag) {
    m_model.load(bag, font());
}

void ctlTabs::save(PropertyBag& bag) const {
    m_model.save(bag);
}

void ctlTabs::DrawTabs() {
    m_geometry = m_model.relayout(width(), height());
    bindFrames();
    update();
}

void ctlTabs::bindFrames() {
    const QString selectedFrame = m_model.TabFrame();
    for (auto* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!ControlKind::isFrame(child)) {
            continue;
        }
        const bool selected = child->objectName() == selectedFrame;
        child->setVisible(selected);
        if (selected) {
            child->raise();
        }
    }
}

void ctlTabs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QWidget* container = parentWidget();
    painter.fillRect(rect(), container ? container->palette().color(container->backgroundRole())
                                       : palette().color(QPalette::Window));
    const PixelRect page = m_geometry.pageArea();
    painter.fillRect(fillRect(page), ColorValue::toQColor(m_model.TabColorActive(), palette()));
    drawRaisedInnerEdge(painter, palette(), page, TabStripGeometry::AllSides);
    for (int tab = 1; tab <= m_model.Tabs(); ++tab) {
        paintTab(painter, tab);
    }
}

void ctlTabs::paintTab(QPainter& painter, int tab) {
    const PixelRect full = m_geometry.tabRect(tab);
    const bool selected = tab == m_model.SelectedTab();
    const QColor caption = m_model.captionColor(tab, palette());
    if (selected) {
        painter.fillRect(fillRect(full), m_model.tabFill(tab, palette()));
        drawRaisedInnerEdge(painter, palette(), full, m_geometry.selectedEdgeSides());
        if (m_model.hasFocus()) {
            paintFocus(painter, fillRect(full.shrunk(2)), caption);
        }
    } else {
        painter.fillRect(fillRect(full.shrunk(1)), m_model.tabFill(tab, palette()));
    }
    const QFont& font = selected ? m_model.TabFontActive() : m_model.TabFont();
    const QString text = m_model.caption(tab);
    const QFontMetricsF metrics(font, this);
    const QPointF at = m_geometry.captionPosition(
        tab, QSizeF(metrics.horizontalAdvance(text), metrics.height()), m_model.CaptionAlignment());
    painter.setFont(font);
    painter.setPen(caption);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
}

// The dotted focus rectangle when the strip asks for one; otherwise a frame in the palette's
// highlight colour, as the other controls of the window show their focus.
void ctlTabs::paintFocus(QPainter& painter, const QRect& inside, const QColor& caption) {
    if (m_model.UseFocusRect()) {
        painter.setPen(QPen(caption, 1, Qt::DotLine));
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
        return;
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(inside).adjusted(1, 1, -1, -1));
}

void ctlTabs::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_model.mousePressed(at.x(), at.y());
}

void ctlTabs::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    setCursor(m_model.isOverTab(at.x(), at.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ctlTabs::keyPressEvent(QKeyEvent* event) {
    if (!m_model.keyPressed(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

void ctlTabs::focusInEvent(QFocusEvent* event) {
    m_model.setHasFocus(true);
    QWidget::focusInEvent(event);
}

void ctlTabs::focusOutEvent(QFocusEvent* event) {
    m_model.setHasFocus(false);
    QWidget::focusOutEvent(event);
}

void ctlTabs::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DrawTabs();
}

void ctlTabs::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DrawTabs(); // frames may have been placed inside after the last change
    for (auto* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlKind::isFrame(child)) {
            ControlKind::setFrameBorder(child, m_model.ShowFrameBorder());
        }
    }
}

void ctlTabs::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        DrawTabs();
    }
}
