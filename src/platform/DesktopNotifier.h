#pragma once

#include <QString>
#include <vector>

// The desktop's notification bubbles, as a seam: a scheduled check tells the user through
// it, tests record what it was asked to show.
class DesktopNotifier {
public:
    enum class Urgency { Normal, Critical };

    virtual ~DesktopNotifier() = default;
    // Shows the notification. Returns an empty text when the desktop took it, else one line
    // saying why not (no notification service is not an error of the caller's).
    virtual QString notify(const QString& summary, const QString& body, Urgency urgency) = 0;
};

// Keeps what it was asked to show, for tests.
class RecordingNotifier final : public DesktopNotifier {
public:
    struct Shown {
        QString summary;
        QString body;
        Urgency urgency;
    };

    QString notify(const QString& summary, const QString& body, Urgency urgency) override {
        shown.push_back({summary, body, urgency});
        return refusal;
    }

    std::vector<Shown> shown;
    QString refusal; // what notify answers
};
