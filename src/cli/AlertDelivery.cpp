#include "cli/AlertDelivery.h"

#include "cli/AlertOptions.h"
#include "cli/CliError.h"
#include "platform/session/FreedesktopNotifier.h"

#include <QStringList>
#include <ostream>

namespace {

void notify(const std::vector<UsageAlert>& alerts, int status, std::ostream& err,
            DesktopNotifier& notifier) {
    QStringList reasons;
    for (const UsageAlert& alert : alerts) {
        reasons << QString::fromStdString(alert.reason);
    }
    const auto urgency = status == UsageAlerts::ReachedStatus ? DesktopNotifier::Urgency::Critical
                                                              : DesktopNotifier::Urgency::Normal;
    try {
        notifier.notify(AlertDelivery::NotificationSummary, reasons.join('\n'), urgency);
    } catch (const Failure& refusal) {
        // the alert itself was said already; a desktop without notifications is no failure
        err << "veltrix: notification not shown: " << refusal.what() << '\n';
    }
}

} // namespace

void AlertDelivery::finish(const std::vector<UsageAlert>& alerts, const AlertOptions& options,
                           std::ostream& err, DesktopNotifier& notifier) {
    for (const UsageAlert& alert : alerts) {
        err << "veltrix: alert: " << alert.reason << '\n';
    }
    const int status = UsageAlerts::exitStatus(alerts);
    if (status != 0 && options.notify) {
        notify(alerts, status, err, notifier);
    }
    err << std::flush;
    if (status != 0) {
        throw CompletedWithStatus(status);
    }
}

void AlertDelivery::finish(const std::vector<UsageAlert>& alerts, const AlertOptions& options,
                           std::ostream& err) {
    FreedesktopNotifier notifier;
    finish(alerts, options, err, notifier);
}
