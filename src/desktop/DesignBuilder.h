#pragma once

#include "desktop/ControlDesign.h"

#include <QString>
#include <array>
#include <map>
#include <span>
#include <utility>

class MessagePresenter;
class QWidget;

// Builds a window's controls from its design table: the right widget for each kind, object
// name and control-array Index, Tag, the caption as accessible name (a label's own text is
// its name), tool tip, place in twips and visibility; a caption label becomes its box's
// buddy and names it. A design that names a container or box it does not hold is a fault
// of the program and stops it the first time the window is made.
class DesignBuilder {
public:
    DesignBuilder(QWidget& window, MessagePresenter& messages)
        : m_window(window)
        , m_messages(messages) {}

    void build(std::span<const ControlDesign> design);

    // Tab follows these controls in this order (a control array's members in index order),
    // after the controls of the window not named.
    void setTabOrder(std::span<const std::string_view> names) const;

    // The control, or nullptr when the design has none of that name and index.
    QWidget* find(const QString& name, int index = -1) const;
    template <typename W> W* get(const QString& name, int index = -1) const {
        return qobject_cast<W*>(find(name, index));
    }
    // The control as what the window's code takes it for; stops the program when the design
    // has no such control or one of another kind.
    template <typename W> W* require(std::string_view name, int index = -1) const {
        W* widget = qobject_cast<W*>(
            find(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), index));
        if (!widget) {
            missing(name, index, W::staticMetaObject.className());
        }
        return widget;
    }

    // Every member of a control array, by index.
    template <typename W, std::size_t N>
    void require(std::string_view name, std::array<W*, N>& members) const {
        for (std::size_t index = 0; index < N; ++index) {
            members[index] = require<W>(name, static_cast<int>(index));
        }
    }

private:
    QWidget* create(const ControlDesign& control, QWidget* parent);
    void nameByLabel(const ControlDesign& label);
    [[noreturn]] void missing(std::string_view name, int index, const char* kind) const;

    QWidget& m_window;
    MessagePresenter& m_messages;
    std::map<std::pair<QString, int>, QWidget*> m_controls;
};
