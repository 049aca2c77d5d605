#pragma once

#include "platform/MessagePresenter.h"

class QWidget;

// Messages as modal message boxes over a window (the modal one open, else the parent): the
// text, the title, the icon, an OK button; questions with Yes and No and the default the
// caller names.
class MessageBoxPresenter final : public MessagePresenter {
public:
    explicit MessageBoxPresenter(QWidget* parent = nullptr)
        : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    void show(const QString& text, const QString& title, MessageIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, bool defaultYes) override;

private:
    QWidget* m_parent;
};
