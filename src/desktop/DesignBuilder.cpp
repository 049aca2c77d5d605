#include "desktop/DesignBuilder.h"

#include "chart/StackedChartView.h"
#include "chart/XChart.h"
#include "controls/ControlKind.h"
#include "controls/Twips.h"
#include "controls/ctlTabs.h"
#include "controls/neb.h"
#include "platform/ColorValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTextBrowser>
#include <vector>

namespace {

using K = ControlDesign::Kind;

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

bool isLabel(K kind) {
    return kind == K::Label || kind == K::Note || kind == K::Link;
}

QLabel* makeLabel(const QString& caption, bool wrap, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    if (wrap) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

// A link label that is one stop of the Tab chain: reached by keyboard, its link takes the
// focus at once (drawn so, and opened by Enter), where a plain label wants a second Tab first.
// Its link is drawn in the palette's link colour, taken just far enough towards black or white
// to read on the label's background (a dark theme's mid blue on near-black reads at 3:1).
class LinkLabel final : public QLabel {
public:
    using QLabel::QLabel;

    bool event(QEvent* event) override {
        const bool handled = QLabel::event(event);
        if (event->type() == QEvent::Polish || event->type() == QEvent::PaletteChange) {
            colourLink();
        }
        return handled;
    }

    void colourLink() {
        static const QRegularExpression anchor(QStringLiteral("<a href=\"#\"[^>]*>"));
        const QColor link = ColorValue::legibleOn(palette().color(backgroundRole()),
                                                  palette().color(QPalette::Link));
        const QString text = this->text();
        const QString coloured = QString(text).replace(
            anchor, QStringLiteral("<a href=\"#\" style=\"color:%1\">").arg(link.name()));
        if (coloured != text) {
            setText(coloured);
        }
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLabel::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason) {
            QLabel::focusNextPrevChild(event->reason() != Qt::BacktabFocusReason);
        }
    }
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

// Drawn in the palette's link colour, and reached by Tab and opened by Enter as well as by a
// click: the window connects linkActivated.
QLabel* makeLink(const QString& caption, QWidget* parent) {
    auto* label = new LinkLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText("<a href=\"#\">" + caption.toHtmlEscaped() + "</a>");
    label->colourLink();
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QWidget* makeFrame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    if (caption.isEmpty()) {
        frame->setFlat(true); // a tab page: the strip draws its border
    } else {
        ControlKind::setFrameBorder(frame, true);
    }
    return frame;
}

// A group of option buttons is one stop of the Tab chain, at the chosen one; the arrow keys
// move between them.
QWidget* makeOption(const QString& caption, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    const auto tabStop = [option](bool chosen) {
        option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(option, &QRadioButton::toggled, option, tabStop);
    tabStop(false);
    return option;
}

QWidget* makeTextBox(QWidget* parent, K kind) {
    auto* box = new QLineEdit(parent);
    if (kind == K::Password) {
        box->setEchoMode(QLineEdit::Password);
    } else if (kind == K::ReadOnlyText) {
        box->setReadOnly(true);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
    }
    return box;
}

QWidget* makeCombo(QWidget* parent, bool editable) {
    auto* box = new QComboBox(parent);
    if (editable) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert); // the window decides what joins the list
    }
    return box;
}

QWidget* makeTable(QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    return table;
}

} // namespace

QWidget* DesignBuilder::create(const ControlDesign& control, QWidget* parent) {
    const QString caption = text(control.caption);
    switch (control.kind) {
    case K::TabStrip:
        return new ctlTabs(parent);
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
        return makeLabel(caption, false, parent);
    case K::Note:
        return makeLabel(caption, true, parent);
    case K::Link:
        return makeLink(caption, parent);
    case K::TextBox:
    case K::Password:
    case K::ReadOnlyText:
        return makeTextBox(parent, control.kind);
    case K::CheckBox:
        return new QCheckBox(caption, parent);
    case K::Option:
        return makeOption(caption, parent);
    case K::ComboBox:
    case K::ListCombo:
        return makeCombo(parent, control.kind == K::ComboBox);
    case K::Button: {
        // Enter presses a button that has the focus, in a window as in a dialog
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true);
        return button;
    }
    case K::Viewer: {
        auto* viewer = new QTextBrowser(parent);
        viewer->setOpenLinks(false); // a page on view: the window decides what a link does
        return viewer;
    }
    case K::RowsTable:
        return makeTable(parent);
    case K::Picture: {
        auto* box = new QLabel(parent);
        box->setAutoFillBackground(true);
        box->setProperty("TypeName", QStringLiteral("PictureBox"));
        return box;
    }
    case K::Chart:
        return new XChart(parent);
    case K::StackedChart:
        return new StackedChartView(parent);
    case K::NumberBox:
        return new neb(m_messages, parent);
    case K::Marker:
        return new QWidget(parent);
    }
    return new QWidget(parent);
}

void DesignBuilder::build(std::span<const ControlDesign> design) {
    for (const ControlDesign& control : design) {
        QWidget* parent = control.parent.empty() ? &m_window : require<QWidget>(control.parent);
        QWidget* widget = create(control, parent);
        widget->setObjectName(text(control.name));
        if (control.index >= 0) {
            widget->setProperty("Index", control.index);
        }
        if (!control.tag.empty()) {
            widget->setProperty("Tag", text(control.tag));
        }
        // a label's own text is its accessible name, so figures read as they change
        if (!control.caption.empty() && !isLabel(control.kind)) {
            widget->setAccessibleName(text(control.caption).remove(QLatin1Char('&')));
        }
        if (!control.toolTip.empty()) {
            widget->setToolTip(text(control.toolTip));
        }
        widget->setGeometry(
            Twips::toPixelsX(widget, control.left), Twips::toPixelsY(widget, control.top),
            Twips::toPixelsX(widget, control.width), Twips::toPixelsY(widget, control.height));
        if (!control.visible) {
            widget->hide();
        }
        m_controls[{widget->objectName(), control.index}] = widget;
    }
    for (const ControlDesign& control : design) {
        if (!control.buddy.empty()) {
            nameByLabel(control);
        }
    }
}

// The label names its box for assistive technology; a figure beside its caption keeps its
// own text as its name, so it is read as it changes.
void DesignBuilder::nameByLabel(const ControlDesign& control) {
    auto* label = require<QLabel>(control.name, control.index);
    QWidget* box = require<QWidget>(control.buddy);
    if (auto* number = qobject_cast<neb*>(box)) {
        box = number->textBox();
    }
    label->setBuddy(box);
    if (qobject_cast<QLabel*>(box)) {
        return;
    }
    const QString name = text(control.caption).remove(QLatin1Char('&'));
    box->setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit()) {
        combo->lineEdit()->setAccessibleName(name);
    }
}

void DesignBuilder::setTabOrder(std::span<const std::string_view> names) const {
    QWidget* previous = nullptr;
    for (std::string_view name : names) {
        std::vector<QWidget*> members{find(text(name))};
        if (!members.front()) { // a control array: its members in index order
            members.clear();
            for (int index = 0; find(text(name), index); ++index) {
                members.push_back(find(text(name), index));
            }
        }
        if (members.empty()) {
            missing(name, -1, "control");
        }
        for (QWidget* member : members) {
            if (previous) {
                QWidget::setTabOrder(previous, member);
            }
            previous = member;
        }
    }
}

QWidget* DesignBuilder::find(const QString& name, int index) const {
    const auto found = m_controls.find({name, index});
    return found == m_controls.end() ? nullptr : found->second;
}

void DesignBuilder::missing(std::string_view name, int index, const char* kind) const {
    const std::string control =
        std::string(name) + (index >= 0 ? "(" + std::to_string(index) + ")" : std::string());
    qFatal("The design of %s has no %s that is a %s", qPrintable(m_window.objectName()),
           control.c_str(), kind);
}
