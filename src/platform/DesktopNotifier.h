#pragma once

#include <QString>

// The desktop's notification bubbles, as a seam between the command line and the desktop.
class DesktopNotifier {
public:
    enum class Urgency { Normal, Critical };

    virtual ~DesktopNotifier() = default;
    // Shows the notification. Returns an empty text when the desktop took it, else one line
    // saying why not (no notification service is not an error of the caller's).
    virtual QString notify(const QString& summary, const QString& body, Urgency urgency) = 0;
};
