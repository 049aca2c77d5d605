#pragma once

#include "analysis/UsageAlerts.h"

#include <iosfwd>
#include <vector>

struct AlertOptions;
class DesktopNotifier;

// What a command does with the alerts its month raised, once its outputs are written: one
// line each on stderr (a scheduled check's log keeps them), a desktop notification when
// asked, and the exit status that tells the script.
namespace AlertDelivery {

// The notification's title.
constexpr char NotificationSummary[] = "Broadband usage alert";

// Throws CompletedWithStatus (10 or 11) when an alert was raised; returns otherwise. A
// notification the desktop does not take is one more line on `err`, not a failure.
void finish(const std::vector<UsageAlert>& alerts, const AlertOptions& options, std::ostream& err,
            DesktopNotifier& notifier);
// The same through the desktop's notification service.
void finish(const std::vector<UsageAlert>& alerts, const AlertOptions& options, std::ostream& err);

} // namespace AlertDelivery
