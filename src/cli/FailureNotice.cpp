#include "cli/FailureNotice.h"

#include "cli/CliError.h"
#include "platform/Failure.h"
#include "platform/session/FreedesktopNotifier.h"

#include <ostream>

void FailureNotice::runNotifying(bool wanted, const std::function<void()>& command,
                                 std::ostream& err, DesktopNotifier& notifier) {
    try {
        command();
    } catch (const CompletedWithStatus&) {
        throw;
    } catch (const std::exception& failure) {
        if (wanted) {
            try {
                notifier.notify(NotificationSummary, QString::fromUtf8(failure.what()),
                                DesktopNotifier::Urgency::Normal);
            } catch (const Failure& refusal) {
                err << "veltrix: notification not shown: " << refusal.what() << '\n' << std::flush;
            }
        }
        throw;
    }
}

void FailureNotice::runNotifying(bool wanted, const std::function<void()>& command,
                                 std::ostream& err) {
    if (!wanted) {
        command();
        return;
    }
    FreedesktopNotifier notifier;
    runNotifying(wanted, command, err, notifier);
}
