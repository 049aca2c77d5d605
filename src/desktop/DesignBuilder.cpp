#include "desktop/DesignBuilder.h"

#include "chart/StackedChartView.h"
#include "chart/XChart.h"
#include "controls/ControlKind.h"
#include "controls/Twips.h"
#include "controls/ctlTabs.h"
#include "controls/neb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QWidget* makeLabel(const QString& caption, QWidget* parent, bool link) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    if (link) {
        // drawn as a link; the window opens the page on a click
        label->setStyleSheet(QStringLiteral("color:#0000ff;text-decoration:underline;"));
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::TabFocus);
    }
    return label;
}

QWidget* makeFrame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    ControlKind::setFrameBorder(frame, true);
    return frame;
}

} // namespace

void DesignBuilder::place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Twips::toPixelsX(widget, left), Twips::toPixelsY(widget, top),
                        Twips::toPixelsX(widget, width), Twips::toPixelsY(widget, height));
}

QWidget* DesignBuilder::create(const ControlDesign& control, QWidget* parent) {
    const QString caption = text(control.caption);
    using K = ControlDesign::Kind;
    switch (control.kind) {
    case K::Frame:
        return makeFrame(caption, parent);
    case K::Panel: {
        // a bare page: a plain widget the tab strip and the resizer count as a frame (a
        // borderless group box would pass its style on to the framed boxes inside it)
        auto* panel = new QFrame(parent);
        panel->setFrameShape(QFrame::NoFrame);
        panel->setProperty("TypeName", QStringLiteral("Frame"));
        return panel;
    }
    case K::Label:
        return makeLabel(caption, parent, false);
    case K::Link:
        return makeLabel(caption, parent, true);
    case K::Button:
        return new QPushButton(caption, parent);
    case K::Check:
        return new QCheckBox(caption, parent);
    case K::Combo:
        return new QComboBox(parent);
    case K::Picture: {
        auto* box = new QLabel(parent);
        box->setAutoFillBackground(true);
        box->setProperty("TypeName", QStringLiteral("PictureBox"));
        return box;
    }
    case K::TextBox: {
        auto* box = new QLineEdit(parent);
        box->setReadOnly(true);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        return box;
    }
    case K::Browser: {
        auto* browser = new QTextBrowser(parent);
        browser->setOpenLinks(false);
        return browser;
    }
    case K::RowsTable: {
        auto* table = new QTableView(parent);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setWordWrap(false);
        table->verticalHeader()->hide();
        return table;
    }
    case K::Chart:
        return new XChart(parent);
    case K::StackedChart:
        return new StackedChartView(parent);
    case K::NumberBox:
        return new neb(m_messages, parent);
    case K::Tabs:
        return new ctlTabs(parent);
    }
    return new QWidget(parent);
}

void DesignBuilder::build(std::span<const ControlDesign> design) {
    for (const ControlDesign& control : design) {
        QWidget* parent = control.parent.empty() ? &m_window : find(text(control.parent));
        QWidget* widget = create(control, parent ? parent : &m_window);
        widget->setObjectName(text(control.name));
        if (control.index >= 0) {
            widget->setProperty("Index", control.index);
        }
        if (!control.tag.empty()) {
            widget->setProperty("Tag", text(control.tag));
        }
        const QString caption = text(control.caption);
        // a label's own text is its accessible name, so figures read as they change
        const bool isLabel =
            control.kind == ControlDesign::Kind::Label || control.kind == ControlDesign::Kind::Link;
        if (!caption.isEmpty() && !isLabel) {
            widget->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        }
        if (!control.toolTip.empty()) {
            widget->setToolTip(text(control.toolTip));
        }
        place(widget, control.left, control.top, control.width, control.height);
        widget->setVisible(control.visible);
        m_controls[{widget->objectName(), control.index}] = widget;
    }
    for (const ControlDesign& control : design) {
        if (control.buddy.empty()) {
            continue;
        }
        auto* label = get<QLabel>(text(control.name), control.index);
        QWidget* box = find(text(control.buddy));
        if (auto* number = qobject_cast<neb*>(box)) {
            number->textBox()->setAccessibleName(label ? label->text() : QString());
            box = number->textBox();
        }
        if (label && box) {
            label->setBuddy(box);
        }
    }
}

QWidget* DesignBuilder::find(const QString& name, int index) const {
    const auto found = m_controls.find({name, index});
    return found == m_controls.end() ? nullptr : found->second;
}
