#pragma once

#include "controls/ColorChooser.h"

#include <QPointer>
#include <QWidget>

// The colour picker as a modal QColorDialog over the given window.
class QtColorChooser final : public ColorChooser {
public:
    explicit QtColorChooser(QWidget* owner = nullptr)
        : m_owner(owner) {}

    Reply choose(Request& request) override;

private:
    QPointer<QWidget> m_owner;
};
