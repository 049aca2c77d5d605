#pragma once

#include "platform/DesktopNotifier.h"

// Notifications through the freedesktop notification service on the session bus
// (org.freedesktop.Notifications), which every common desktop runs.
class FreedesktopNotifier final : public DesktopNotifier {
public:
    static constexpr char Service[] = "org.freedesktop.Notifications";
    static constexpr char Path[] = "/org/freedesktop/Notifications";
    // The desktop entry and icon the notification names, so the desktop shows our icon.
    static constexpr char DesktopEntry[] = "org.veltrix.Veltrix";

    void notify(const QString& summary, const QString& body, Urgency urgency) override;
};
