#pragma once

#include "controls/FileChooser.h"

#include <QPointer>
#include <QWidget>

// The save dialog as a modal QFileDialog over the given window. The overwrite question is
// the caller's, so the dialog does not ask its own.
class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(QWidget* owner = nullptr)
        : m_owner(owner) {}

    Reply chooseSave(const Request& request) override;

    // "Output file (*.htm)|*.htm" as the dialog's name filters: the descriptions.
    static QStringList nameFilters(const QString& filter);

private:
    QPointer<QWidget> m_owner;
};
