#include "cli/PortalCheck.h"

#include "cli/ProgressLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

CheckOutcome PortalCheck::run(Browser& browser, const RunRequest& request,
                              std::chrono::milliseconds timeout, ProgressLine& progress) {
    CheckOutcome outcome =
        run(browser, request, timeout,
            [&progress](PortalSession&, const RunProgress& now) { progress.show(now); });
    progress.clear();
    return outcome;
}

CheckOutcome
PortalCheck::run(Browser& browser, const RunRequest& request, std::chrono::milliseconds timeout,
                 const std::function<void(PortalSession&, const RunProgress&)>& onProgress) {
    CheckOutcome outcome;
    PortalSession session(browser);
    session.setTimeout(timeout);
    QEventLoop loop;
    QObject::connect(&session, &PortalSession::Finished, &loop, [&](const MonthRecord& month) {
        outcome.month = month;
        loop.quit();
    });
    QObject::connect(&session, &PortalSession::Abandoned, &loop, [&](const RunMessage& message) {
        outcome.failure = message;
        loop.quit();
    });
    QObject::connect(&session, &PortalSession::Notice, &loop,
                     [&](const RunMessage& message) { outcome.notices.push_back(message); });
    QObject::connect(&session, &PortalSession::ProgressChanged, &loop,
                     [&](const RunProgress& now) { onProgress(session, now); });
    QElapsedTimer clock;
    clock.start();
    session.cmdCalculate_Click(request);
    if (session.running()) {
        loop.exec();
    }
    outcome.pagesFetched = session.walk().pagesWalked();
    outcome.rowsTaken = session.walk().rowsTaken();
    outcome.userName = session.walk().mstrUserName();
    outcome.attachedWindow = session.attachedWindow();
    outcome.monthFile = session.walk().mstrCacheFile();
    outcome.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return outcome;
}
