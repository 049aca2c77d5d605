#pragma once

#include "desktop/MainWindowControl.h"

#include <QString>
#include <map>
#include <span>
#include <vector>

class QWidget;

// Builds a window's controls from its design table: the widget of each kind, its objectName,
// caption, accessible name, place in pixels (from twips), resizer rule ("Tag") and array
// index ("Index"), and the labels' buddies. Finds them again by name and index.
class DesignedControls {
public:
    DesignedControls(QWidget* window, std::span<const MainWindowControl> design);

    // The control, or nullptr. Array members are found by their index.
    QWidget* find(const QString& name, int index = -1) const;
    template <typename T> T* get(const QString& name, int index = -1) const {
        return qobject_cast<T*>(find(name, index));
    }
    // Members of a control array, by index.
    std::vector<QWidget*> array(const QString& name) const;

private:
    QWidget* create(const MainWindowControl& control, QWidget* parent) const;
    void place(QWidget* widget, const MainWindowControl& control) const;

    std::map<std::pair<QString, int>, QWidget*> m_controls;
};
