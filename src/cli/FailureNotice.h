#pragma once

#include <functional>
#include <iosfwd>

class DesktopNotifier;

// A scheduled check has no terminal: when it fails (a wrong password, a portal out of reach,
// no keyring entry, a locked keyring), the desktop hears of it too, in one notification with
// the line the command prints.
namespace FailureNotice {

// The notification's title.
constexpr char NotificationSummary[] = "Broadband usage check failed";

// Runs the command. When `wanted` and it fails, the failure's line is shown as a notification
// and the failure passed on unchanged; a raised alert's status is not a failure. A notification
// the desktop does not take is one more line on `err`.
void runNotifying(bool wanted, const std::function<void()>& command, std::ostream& err,
                  DesktopNotifier& notifier);
// The same through the desktop's notification service.
void runNotifying(bool wanted, const std::function<void()>& command, std::ostream& err);

} // namespace FailureNotice
