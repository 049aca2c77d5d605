#pragma once

#include "desktop/ControlDesign.h"

#include <QString>
#include <map>
#include <span>
#include <utility>

class MessagePresenter;
class QWidget;

// Builds a window's controls from its design table: the right widget for each kind, object
// name and control-array Index, tag, caption as accessible name, tool tip, place in twips
// and visibility; caption labels become their boxes' buddies. Controls are found again by
// name and index.
class DesignBuilder {
public:
    DesignBuilder(QWidget& window, MessagePresenter& messages)
        : m_window(window)
        , m_messages(messages) {}

    void build(std::span<const ControlDesign> design);

    // The control, or nullptr when the design has none of that name and index.
    QWidget* find(const QString& name, int index = -1) const;
    template <typename W> W* get(const QString& name, int index = -1) const {
        return qobject_cast<W*>(find(name, index));
    }

    // Places a widget at a rectangle given in twips.
    static void place(QWidget* widget, int left, int top, int width, int height);

private:
    QWidget* create(const ControlDesign& control, QWidget* parent);

    QWidget& m_window;
    MessagePresenter& m_messages;
    std::map<std::pair<QString, int>, QWidget*> m_controls;
};
