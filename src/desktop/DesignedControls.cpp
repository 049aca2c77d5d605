#include "desktop/DesignedControls.h"

#include "controls/Twips.h"
#include "controls/ctlTabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

namespace {

using K = MainWindowControl::Kind;

QLabel* link(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText("<a href=\"#\">" + caption.toHtmlEscaped() + "</a>");
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QLabel* label(const QString& caption, bool wrap, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

DesignedControls::DesignedControls(QWidget* window, std::span<const MainWindowControl> design) {
    for (const MainWindowControl& control : design) {
        QWidget* parent = *control.parent ? find(control.parent) : window;
        QWidget* widget = create(control, parent ? parent : window);
        widget->setObjectName(control.name);
        if (control.index >= 0) {
            widget->setProperty("Index", control.index);
        }
        if (*control.rule) {
            widget->setProperty("Tag", QString(control.rule) + "$~$");
        }
        QString caption = control.caption;
        if (!caption.isEmpty()) {
            widget->setAccessibleName(caption.remove('&'));
        }
        place(widget, control);
        m_controls[{control.name, control.index}] = widget;
    }
    for (const MainWindowControl& control : design) {
        if (*control.buddy) {
            auto* label = get<QLabel>(control.name, control.index);
            QWidget* box = find(control.buddy);
            label->setBuddy(box);
            box->setAccessibleName(label->accessibleName());
            if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit()) {
                combo->lineEdit()->setAccessibleName(label->accessibleName());
            }
        }
    }
}

QWidget* DesignedControls::create(const MainWindowControl& control, QWidget* parent) const {
    const QString caption = control.caption;
    switch (control.kind) {
    case K::TabStrip:
        return new ctlTabs(parent);
    case K::Frame: {
        auto* frame = new QGroupBox(parent);
        frame->setFlat(true);
        return frame;
    }
    case K::Label:
        return label(caption, false, parent);
    case K::Note:
        return label(caption, true, parent);
    case K::Link:
        return link(caption, parent);
    case K::TextBox:
        return new QLineEdit(parent);
    case K::Password: {
        auto* box = new QLineEdit(parent);
        box->setEchoMode(QLineEdit::Password);
        return box;
    }
    case K::CheckBox:
        return new QCheckBox(caption, parent);
    case K::Option:
        return new QRadioButton(caption, parent);
    case K::ComboBox: {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert); // Add puts addresses in the list
        return box;
    }
    case K::ListCombo:
        return new QComboBox(parent);
    case K::Button:
        return new QPushButton(caption, parent);
    case K::Viewer: {
        auto* viewer = new QTextBrowser(parent);
        viewer->setOpenLinks(false); // a page on view, not a browser to click through
        return viewer;
    }
    case K::Marker: {
        auto* marker = new QWidget(parent);
        marker->setVisible(false);
        return marker;
    }
    }
    return new QWidget(parent);
}

void DesignedControls::place(QWidget* widget, const MainWindowControl& control) const {
    widget->setGeometry(
        Twips::toPixelsX(widget, control.left), Twips::toPixelsY(widget, control.top),
        Twips::toPixelsX(widget, control.width), Twips::toPixelsY(widget, control.height));
}

QWidget* DesignedControls::find(const QString& name, int index) const {
    const auto found = m_controls.find({name, index});
    return found == m_controls.end() ? nullptr : found->second;
}

std::vector<QWidget*> DesignedControls::array(const QString& name) const {
    std::vector<QWidget*> members;
    for (const auto& [key, widget] : m_controls) {
        if (key.first == name && key.second >= 0) {
            members.push_back(widget); // the map keeps them in index order
        }
    }
    return members;
}
