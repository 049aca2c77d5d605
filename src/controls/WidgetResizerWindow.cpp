#include "controls/WidgetResizerWindow.h"

#include "controls/ControlKind.h"
#include "controls/Twips.h"

WidgetResizerWindow::WidgetResizerWindow(QWidget* window, QSize frameAllowance)
    : m_window(window)
    , m_frame(frameAllowance) {
    for (auto* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        // Qt's own helper widgets (scroll bars of views, popups) are not the window's controls
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            m_controls.emplace_back(child);
        }
    }
}

int WidgetResizerWindow::width() const {
    return m_window ? Twips::fromPixelsX(m_window, m_window->width()) + m_frame.width() : 0;
}

int WidgetResizerWindow::height() const {
    return m_window ? Twips::fromPixelsY(m_window, m_window->height()) + m_frame.height() : 0;
}

void WidgetResizerWindow::setWidth(int twips) {
    if (m_window) {
        m_window->resize(Twips::toPixelsX(m_window, twips - m_frame.width()), m_window->height());
    }
}

void WidgetResizerWindow::setHeight(int twips) {
    if (m_window) {
        m_window->resize(m_window->width(), Twips::toPixelsY(m_window, twips - m_frame.height()));
    }
}

ResizerWindow::State WidgetResizerWindow::state() const {
    if (m_window && m_window->isMinimized()) {
        return State::Minimized;
    }
    return m_window && m_window->isMaximized() ? State::Maximized : State::Normal;
}

QWidget* WidgetResizerWindow::control(int position) const {
    return position >= 0 && position < controlCount()
               ? m_controls[static_cast<std::size_t>(position)].data()
               : nullptr;
}

QString WidgetResizerWindow::typeName(int position) const {
    const auto* widget = control(position);
    return widget ? ControlKind::typeName(widget) : QString();
}

QString WidgetResizerWindow::name(int position) const {
    const auto* widget = control(position);
    return widget ? widget->objectName() : QString();
}

std::optional<int> WidgetResizerWindow::index(int position) const {
    const auto* widget = control(position);
    const QVariant index = widget ? widget->property("Index") : QVariant();
    return index.isValid() ? std::optional(index.toInt()) : std::nullopt;
}

QString WidgetResizerWindow::tag(int position) const {
    const auto* widget = control(position);
    return widget ? widget->property("Tag").toString() : QString();
}

void WidgetResizerWindow::setTag(int position, const QString& tag) {
    if (auto* widget = control(position)) {
        widget->setProperty("Tag", tag);
    }
}

std::optional<ResizerWindow::Geometry> WidgetResizerWindow::geometry(int position) const {
    const auto* widget = control(position);
    if (!widget) {
        return std::nullopt;
    }
    const QRect r = widget->geometry();
    return Geometry{Twips::fromPixelsX(widget, r.x()), Twips::fromPixelsY(widget, r.y()),
                    Twips::fromPixelsX(widget, r.width()), Twips::fromPixelsY(widget, r.height())};
}

bool WidgetResizerWindow::move(int position, int left, int top, int width,
                               std::optional<int> height) {
    auto* widget = control(position);
    if (!widget) {
        return false;
    }
    const int pixelHeight = height ? Twips::toPixelsY(widget, *height) : widget->height();
    widget->setGeometry(Twips::toPixelsX(widget, left), Twips::toPixelsY(widget, top),
                        Twips::toPixelsX(widget, width), pixelHeight);
    return true;
}
