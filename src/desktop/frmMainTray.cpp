// The main window's side of the status icon and of "Scheduled check...".
#include "desktop/HistoryWindowState.h"
#include "desktop/MainWindowRun.h"
#include "desktop/ScheduledCheckDialog.h"
#include "desktop/TrayStatus.h"
#include "desktop/frmMain.h"
#include "platform/Clock.h"
#include "platform/MessagePresenter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr char NothingToCheckWith[] =
    "\"Check now\" checks this month on the portal with the user name, password and address "
    "of \"Login Info\" (tick \"Remember password\" to keep the password for the next start), "
    "or, with \"Retrieve only newer pages\" on, opens the newest stored month.";

} // namespace

QString frmMain::userName() const {
    return m_controls.txtUserName->text().trimmed();
}

bool frmMain::loginComplete() const {
    return !userName().isEmpty() && !m_controls.txtPassword->text().isEmpty() &&
           !m_controls.cmbAdminURL->currentText().trimmed().isEmpty();
}

void frmMain::checkNow(const TrayStatus& status) {
    if (QWidget* modal = QApplication::activeModalWidget()) { // a report is open: it comes first
        modal->raise();
        modal->activateWindow();
        return;
    }
    if (m_run->running()) { // the check under way is on view in the window
        openFromTray();
        return;
    }
    switch (status.checkNow(loginComplete(), m_controls.chkEnableCache->isChecked())) {
    case TrayStatus::Check::PasswordVersion:
        startCheck(CheckScope::ThisMonthOnPortal);
        return;
    case TrayStatus::Check::UseCacheData:
        showStoredMonth(status.storedMonthEntry().value_or(QString()));
        return;
    case TrayStatus::Check::None:
        openFromTray();
        focusControl(userName().isEmpty() ? QStringLiteral("txtUserName")
                                          : QStringLiteral("txtPassword"));
        m_services.messages.show(NothingToCheckWith, RunMessage::ApplicationTitle,
                                 MessageIcon::Information);
        return;
    }
}

void frmMain::openFromTray() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void frmMain::quitProgram() {
    m_quitting = true;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close(); // the result window stores its own settings as it closes
    }
    if (isVisible()) {
        close();
    } else {
        Form_QueryUnload(); // a report opened from the icon may have changed the options
    }
    QCoreApplication::quit();
}

void frmMain::cmdSchedule_Click() {
    CheckTarget target;
    target.portal = m_controls.cmbAdminURL->currentText().trimmed();
    target.user = userName();
    target.setPlan(HistoryWindowState::chosenPlan(m_services.settings, m_services.clock.today()));
    target.dataDir = m_services.cacheFolder;
    target.passwordRemembered =
        m_controls.chkSavePassword->isChecked() && !m_password.onlyScrambled();
    ScheduledCheck schedule(m_services.schedulePaths, m_services.commands);
    ScheduledCheckDialog dialog(schedule, std::move(target), m_services.messages, this);
    dialog.exec();
}
