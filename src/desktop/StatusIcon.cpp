#include "desktop/StatusIcon.h"

#include "desktop/HistoryWindowState.h"
#include "desktop/MainWindowRun.h"
#include "desktop/TrayGaugeIcon.h"
#include "desktop/frmMain.h"
#include "platform/Clock.h"

#include <QDir>

namespace {

// often enough that an evening check shows within the minute, seldom enough to cost nothing
constexpr int PollMs = 30000;

} // namespace

StatusIcon::StatusIcon(frmMain& window, SettingsStore& settings, const Clock& clock,
                       QString monthFolder, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_settings(settings)
    , m_clock(clock)
    , m_folder(std::move(monthFolder)) {
    addActions();
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger) {
                    m_window.openFromTray();
                }
            });
    MainWindowRun& run = m_window.run();
    // said as the check starts, once the session runs
    connect(&run, &MainWindowRun::processingStarted, this,
            [this] { QTimer::singleShot(0, this, &StatusIcon::refresh); });
    connect(&run, &MainWindowRun::runEnded, this, &StatusIcon::refresh);
    connect(&run, &MainWindowRun::handOverFinished, this, &StatusIcon::refresh);
    connect(&m_poll, &QTimer::timeout, this, &StatusIcon::refreshWhenChanged);
    m_poll.start(PollMs);
    refresh();
}

void StatusIcon::addActions() {
    m_menu.setObjectName(QStringLiteral("mnuStatusIcon"));
    const auto add = [this](const QString& caption, const char* name, auto handler) {
        QAction* action = m_menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(QStringLiteral("&Check now"), "mnuCheckNow", [this] { m_window.checkNow(m_status); });
    QAction* open =
        add(QStringLiteral("&Open Veltrix"), "mnuOpen", [this] { m_window.openFromTray(); });
    m_menu.setDefaultAction(open);
    add(QStringLiteral("&History"), "mnuHistory", [this] {
        m_window.openFromTray();
        m_window.cmdHistory_Click();
    });
    m_menu.addSeparator();
    add(QStringLiteral("&Quit"), "mnuQuit", [this] { m_window.quitProgram(); });
}

bool StatusIcon::show() {
    m_icon.show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void StatusIcon::refresh() {
    m_stamp = stamp();
    const QDateTime now = m_clock.now();
    PlanChoice choice = HistoryWindowState::chosenPlan(m_settings, now.date());
    choice.comparePlans = false;
    m_status = TrayStatus::read(m_folder, m_window.userName().toStdString(), choice,
                                m_window.options().mblnNightUnlimitedPlan);
    QString tip = m_status.toolTip(now);
    if (!m_status.notices().empty()) { // the History window says the rest
        tip += '\n' + QString::fromStdString(m_status.notices().front());
    }
    if (m_window.run().running()) {
        tip += QStringLiteral("\nChecking now...");
    }
    m_icon.setToolTip(tip);
    m_icon.setIcon(TrayGaugeIcon::icon(m_status.gauge()));
}

void StatusIcon::refreshWhenChanged() {
    if (stamp() != m_stamp) {
        refresh();
    }
}

QString StatusIcon::stamp() const {
    QString stamp = m_window.userName() + '\n' + m_clock.today().toString(Qt::ISODate);
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.cache")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        stamp += '\n' + file.fileName() + ' ' + QString::number(file.size()) + ' ' +
                 QString::number(file.lastModified().toMSecsSinceEpoch());
    }
    return stamp;
}
