#pragma once

#include "controls/ResizerWindow.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

// A Qt window seen by the control resizer. Its controls are its named descendant widgets
// (depth first, in creation order, taken once at construction); a control's rule is its
// "Tag" property and its array number its "Index" property. Pixels become twips with the
// screen's resolution (15 twips per pixel at 96 dpi).
class WidgetResizerWindow final : public ResizerWindow {
public:
    // `frameAllowance` (twips) is added to the client size to give the outer size that the
    // rules measure from, and taken off again when the size is set.
    explicit WidgetResizerWindow(QWidget* window, QSize frameAllowance = QSize(0, 0));

    int width() const override;
    int height() const override;
    void setWidth(int twips) override;
    void setHeight(int twips) override;
    State state() const override;

    int controlCount() const override { return static_cast<int>(m_controls.size()); }
    QString typeName(int position) const override;
    QString name(int position) const override;
    std::optional<int> index(int position) const override;
    QString tag(int position) const override;
    void setTag(int position, const QString& tag) override;
    std::optional<Geometry> geometry(int position) const override;
    bool move(int position, int left, int top, int width, std::optional<int> height) override;

private:
    QWidget* control(int position) const;

    QPointer<QWidget> m_window;
    std::vector<QPointer<QWidget>> m_controls;
    QSize m_frame;
};
