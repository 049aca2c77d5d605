#pragma once

#include <array>

class DesignBuilder;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class ctlTabs;

// The main window's controls its code works with, each as what it is, found once when the
// window is built (a design without one of them stops the program right there).
struct MainWindowControls {
    ctlTabs* ctlTabs1;
    ctlTabs* ctlPasswordVersion;
    // "Login Info"
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QCheckBox* chkSavePassword;
    std::array<QRadioButton*, 6> optDate;
    QComboBox* cmbAdminURL;
    QPushButton* cmdAddURL;
    QPushButton* cmdDeleteURL;
    QLabel* lblPasswordWarning;
    // "Processing"
    QTextBrowser* WebBrowser1;
    QLabel* lblProgress;
    QPushButton* cmdStop;
    // "Non Password Version"
    QLabel* lblNonPasswordHeading;
    QLineEdit* txtDebugPort;
    QPushButton* cmdBrowserHelp;
    QLineEdit* txtStartCommand;
    QPushButton* cmdCopyCommand;
    QLabel* lblAttachProgress;
    QPushButton* cmdStopAttach;
    // "Use Cache Data"
    QComboBox* cmbCacheFiles;
    QPushButton* cmdHistory;
    // below the tabs
    QCheckBox* chkEnableCache;
    QLabel* Label12;
    QPushButton* cmdSchedule;
    QPushButton* cmdCalculate;
    QPushButton* cmdClose;
    QLabel* lblWebsite;

    static MainWindowControls find(const DesignBuilder& built);
};
