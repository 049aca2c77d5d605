// The main window's handlers: its buttons, links and keys, and what it shows of a run.
#include "controls/ctlTabs.h"
#include "desktop/MainWindowDesign.h"
#include "desktop/MainWindowRun.h"
#include "desktop/frmHistory.h"
#include "desktop/frmMain.h"
#include "platform/DesktopShell.h"
#include "platform/MessagePresenter.h"
#include "retrieval/AttachHelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextBrowser>
#include <algorithm>

using namespace MainWindowDesign;

void frmMain::connectControls() {
    const MainWindowControls& c = m_controls;
    connect(c.cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(c.cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
    connect(c.cmdAddURL, &QPushButton::clicked, this, &frmMain::cmdAddURL_Click);
    connect(c.cmdDeleteURL, &QPushButton::clicked, this, &frmMain::cmdDeleteURL_Click);
    connect(c.cmdStop, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(c.cmdStopAttach, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(c.Label12, &QLabel::linkActivated, this, &frmMain::Label12_Click);
    connect(c.lblWebsite, &QLabel::linkActivated, this, &frmMain::lblWebsite_Click);
    connect(c.ctlTabs1, &ctlTabs::TabClick, this, &frmMain::ctlTabs1_TabClick);
    connect(c.cmdBrowserHelp, &QPushButton::clicked, this, &frmMain::cmdBrowserHelp_Click);
    connect(c.cmdCopyCommand, &QPushButton::clicked, this, &frmMain::cmdCopyCommand_Click);
    connect(c.cmdHistory, &QPushButton::clicked, this, &frmMain::cmdHistory_Click);
    connect(c.cmdSchedule, &QPushButton::clicked, this, &frmMain::cmdSchedule_Click);
    // the button sits beside the stored months; the keys open the history from every page
    auto* history = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(history, &QShortcut::activated, this, &frmMain::cmdHistory_Click);
    c.cmdCalculate->setDefault(true);
    c.txtDebugPort->setValidator(new QIntValidator(1, 65535, c.txtDebugPort));
    // the command is there to be selected and copied, not edited
    c.txtStartCommand->setReadOnly(true);
    const auto showCommand = [this] {
        m_controls.txtStartCommand->setText(AttachHelp::startCommand(debugPort()));
        m_controls.txtStartCommand->setCursorPosition(0);
    };
    connect(c.txtDebugPort, &QLineEdit::textChanged, this, showCommand);
}

void frmMain::connectRun() {
    MainWindowRun& run = *m_run;
    connect(&run, &MainWindowRun::processingStarted, this,
            [this] { m_controls.ctlPasswordVersion->setSelectedTab(2); });
    connect(&run, &MainWindowRun::pageShown, this,
            [this](const QString& html) { m_controls.WebBrowser1->setHtml(html); });
    connect(&run, &MainWindowRun::progressChanged, this, [this](const QString& line) {
        m_controls.lblProgress->setText(line);
        // a walk in the user's own browser shows how far it is on its own tab
        if (m_controls.ctlTabs1->SelectedTab() == static_cast<int>(RunMode::NonPasswordVersion)) {
            m_controls.lblAttachProgress->setText(line);
        }
    });
    connect(&run, &MainWindowRun::focusRequested, this, &frmMain::focusControl);
    connect(&run, &MainWindowRun::runEnded, this, [this](bool stopped) {
        setRunning(false);
        if (!stopped) {
            m_controls.lblAttachProgress->clear(); // the message said why
        }
    });
    connect(&run, &MainWindowRun::handOverFinished, this, [this](bool refreshCacheFileList) {
        setRunning(false);
        if (refreshCacheFileList) {
            LoadCacheFileList();
        }
        m_controls.ctlPasswordVersion->setSelectedTab(1);
        if (m_history) {
            m_history->reload(); // the month may be new, and the plan chosen another
        }
    });
    setRunning(false);
}

void frmMain::setRunning(bool running) {
    m_controls.cmdStop->setEnabled(running);
    m_controls.cmdStopAttach->setEnabled(running);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // what reaches the window was not taken by the control that has the focus
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_controls.cmdCalculate->isEnabled()) {
            m_controls.cmdCalculate->click();
        }
        return;
    case Qt::Key_Escape:
        cmdClose_Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmMain::ctlTabs1_TabClick(int, int NewTab) {
    m_controls.chkEnableCache->setVisible(NewTab != 3);
    m_controls.Label12->setVisible(NewTab != 3);
}

void frmMain::Label12_Click() {
    m_services.messages.show(CacheHelp, RunMessage::ApplicationTitle, MessageIcon::Information);
}

void frmMain::cmdBrowserHelp_Click() {
    m_services.messages.show(AttachHelp::helpText(debugPort()), RunMessage::ApplicationTitle,
                             MessageIcon::Information);
}

void frmMain::cmdCopyCommand_Click() {
    QApplication::clipboard()->setText(AttachHelp::startCommand(debugPort()));
}

int frmMain::debugPort() const {
    bool number = false;
    const int port = m_controls.txtDebugPort->text().toInt(&number);
    return number && AttachHelp::validPort(port) ? port : m_settings.debugPort;
}

void frmMain::lblWebsite_Click() {
    m_services.shell.L2N(MakerPage);
}

int frmMain::selectedMonth() const {
    const auto& options = m_controls.optDate;
    const auto checked =
        std::find_if(options.begin(), options.end(),
                     [](const QRadioButton* option) { return option->isChecked(); });
    return checked == options.end() ? 0 : static_cast<int>(checked - options.begin());
}

RunRequest frmMain::runRequest() const {
    RunRequest request;
    request.mode = static_cast<RunMode>(m_controls.ctlTabs1->SelectedTab());
    request.portalAddress = m_controls.cmbAdminURL->currentText().toStdString();
    request.userName = m_controls.txtUserName->text().toStdString();
    request.password = m_controls.txtPassword->text().toStdString();
    request.monthsBack = selectedMonth();
    request.cachingEnabled = m_controls.chkEnableCache->isChecked();
    request.cacheFolder = m_services.cacheFolder;
    request.debugPort = debugPort();
    const QComboBox* months = m_controls.cmbCacheFiles;
    if (months->currentIndex() >= 0) {
        request.selectedCacheEntry = months->currentText();
    }
    return request;
}

void frmMain::cmdCalculate_Click() {
    // a second press no longer starts a long walk again from its first page unasked
    const QString question = m_run->restartQuestion();
    if (!question.isEmpty() &&
        !m_services.messages.askYesNo(question, RunMessage::ApplicationTitle, false)) {
        return;
    }
    startCheck(CheckScope::AsChosen);
}

void frmMain::startCheck(CheckScope scope) {
    RunRequest request = runRequest();
    if (scope == CheckScope::ThisMonthOnPortal) { // the status icon is about this month
        request.mode = RunMode::PasswordVersion;
        request.monthsBack = 0;
    }
    m_run->cmdCalculate_Click(request);
    std::fill(request.password.begin(), request.password.end(), '\0');
    setRunning(m_run->running());
}

void frmMain::cmdStop_Click() {
    m_run->stop();
}

void frmMain::cmdHistory_Click() {
    if (m_history) {
        m_history->activateWindow();
        return;
    }
    m_history = new frmHistory(
        {m_services.settings, m_services.messages, m_services.clock, m_services.cacheFolder},
        m_controls.txtUserName->text().trimmed(),
        [this](const QString& entry) { showStoredMonth(entry); }, this);
    m_history->setAttribute(Qt::WA_DeleteOnClose);
    m_history->open();
}

void frmMain::showStoredMonth(const QString& entry) {
    if (m_run->running()) {
        m_services.messages.show("A check is under way: stop it, or let it end, before opening "
                                 "a stored month.",
                                 RunMessage::ApplicationTitle, MessageIcon::Information);
        return;
    }
    m_run->openStoredMonth(m_services.cacheFolder, entry);
}

void frmMain::focusControl(const QString& name) {
    QWidget* control = m_design.find(name);
    if (!control) {
        return;
    }
    // every tab strip on the way shows the page that holds the control
    for (QWidget* page = control; page && page != this; page = page->parentWidget()) {
        auto* strip = qobject_cast<ctlTabs*>(page->parentWidget());
        for (int tab = 1; strip && tab <= strip->Tabs(); ++tab) {
            if (strip->properties().frameName(tab) == page->objectName()) {
                strip->setSelectedTab(tab);
            }
        }
    }
    control->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->selectAll(); // typed again, not added to
    }
}

void frmMain::focusFirstBox() {
    switch (static_cast<RunMode>(m_controls.ctlTabs1->SelectedTab())) {
    case RunMode::PasswordVersion:
        focusControl(QStringLiteral("txtUserName"));
        return;
    case RunMode::NonPasswordVersion:
        focusControl(QStringLiteral("txtDebugPort"));
        return;
    case RunMode::UseCacheData:
        focusControl(QStringLiteral("cmbCacheFiles"));
        return;
    }
}
