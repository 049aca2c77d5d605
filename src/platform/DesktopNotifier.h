#pragma once

#include <QString>

// The desktop's notification bubbles, as a seam between the command line and the desktop.
class DesktopNotifier {
public:
    enum class Urgency { Normal, Critical };

    virtual ~DesktopNotifier() = default;
    // Shows the notification; throws a Failure saying why the desktop did not take it (no
    // session bus, no notification service).
    virtual void notify(const QString& summary, const QString& body, Urgency urgency) = 0;
};
