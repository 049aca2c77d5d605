#pragma once

#include <QString>
#include <optional>

// A window as the control resizer sees it: its outer size and state, and its controls by
// 0-based position in the window's control list. Lengths are twips; Left and Top are in the
// coordinates of the control's container.
class ResizerWindow {
public:
    enum class State { Normal, Minimized, Maximized };
    struct Geometry {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Geometry&) const = default;
    };

    virtual ~ResizerWindow() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setWidth(int twips) = 0;
    virtual void setHeight(int twips) = 0;
    virtual State state() const = 0;

    virtual int controlCount() const = 0;
    virtual QString typeName(int position) const = 0;
    virtual QString name(int position) const = 0;
    // The control's Index when it belongs to a control array.
    virtual std::optional<int> index(int position) const = 0;
    virtual QString tag(int position) const = 0;
    virtual void setTag(int position, const QString& tag) = 0;
    // Nothing when the control is gone.
    virtual std::optional<Geometry> geometry(int position) const = 0;
    // Moves and sizes a control; without a height the control keeps its own. False when the
    // control cannot be moved.
    virtual bool move(int position, int left, int top, int width, std::optional<int> height) = 0;
};
