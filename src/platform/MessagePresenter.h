#pragma once

#include "platform/Failure.h"
#include "platform/Version.h"

#include <QString>

enum class MessageIcon { None, Information, Question, Warning, Critical };

// How the program tells the user something or asks a yes/no question. Windows show modal
// message boxes; the command line prints; tests record what was shown and answer ahead.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void show(const QString& text, const QString& title, MessageIcon icon) = 0;
    // true for Yes.
    virtual bool askYesNo(const QString& text, const QString& title, bool defaultYes) = 0;

    // Where a window meets a failure: its one line in a box titled with the program's name.
    void showFailure(const Failure& failure, MessageIcon icon = MessageIcon::Critical) {
        show(QString::fromStdString(failure.what()), Version::ApplicationTitle, icon);
    }
};
