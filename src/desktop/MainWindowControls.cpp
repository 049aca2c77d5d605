#include "desktop/MainWindowControls.h"

#include "controls/ctlTabs.h"
#include "desktop/DesignBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

MainWindowControls MainWindowControls::find(const DesignBuilder& built) {
    MainWindowControls c{};
    c.ctlTabs1 = built.require<ctlTabs>("ctlTabs1");
    c.ctlPasswordVersion = built.require<ctlTabs>("ctlPasswordVersion");
    c.txtUserName = built.require<QLineEdit>("txtUserName");
    c.txtPassword = built.require<QLineEdit>("txtPassword");
    c.chkSavePassword = built.require<QCheckBox>("chkSavePassword");
    built.require("optDate", c.optDate);
    c.cmbAdminURL = built.require<QComboBox>("cmbAdminURL");
    c.cmdAddURL = built.require<QPushButton>("cmdAddURL");
    c.cmdDeleteURL = built.require<QPushButton>("cmdDeleteURL");
    c.lblPasswordWarning = built.require<QLabel>("lblPasswordWarning");
    c.WebBrowser1 = built.require<QTextBrowser>("WebBrowser1");
    c.lblProgress = built.require<QLabel>("lblProgress");
    c.cmdStop = built.require<QPushButton>("cmdStop");
    c.lblNonPasswordHeading = built.require<QLabel>("lblNonPasswordHeading");
    c.txtDebugPort = built.require<QLineEdit>("txtDebugPort");
    c.cmdBrowserHelp = built.require<QPushButton>("cmdBrowserHelp");
    c.txtStartCommand = built.require<QLineEdit>("txtStartCommand");
    c.cmdCopyCommand = built.require<QPushButton>("cmdCopyCommand");
    c.lblAttachProgress = built.require<QLabel>("lblAttachProgress");
    c.cmdStopAttach = built.require<QPushButton>("cmdStopAttach");
    c.cmbCacheFiles = built.require<QComboBox>("cmbCacheFiles");
    c.cmdHistory = built.require<QPushButton>("cmdHistory");
    c.chkEnableCache = built.require<QCheckBox>("chkEnableCache");
    c.Label12 = built.require<QLabel>("Label12");
    c.cmdSchedule = built.require<QPushButton>("cmdSchedule");
    c.cmdCalculate = built.require<QPushButton>("cmdCalculate");
    c.cmdClose = built.require<QPushButton>("cmdClose");
    c.lblWebsite = built.require<QLabel>("lblWebsite");
    return c;
}
