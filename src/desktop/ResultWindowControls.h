#pragma once

#include <array>

class DesignBuilder;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTextBrowser;
class QWidget;
class StackedChartView;
class XChart;
class ctlTabs;
class neb;

// The result window's controls its code works with, each as what it is, found once when the
// window is built (a design without one of them stops the program right there). Coloured
// boxes are labels.
struct ResultWindowControls {
    ctlTabs* ctlTabs1;
    QLabel* lblAverage;
    // "Report"
    QWidget* fraReport;
    QTextBrowser* WebBrowser1;
    QTableView* grdReportRows;
    QPushButton* cmdSave;
    QPushButton* cmdExport;
    QPushButton* cmdPrint;
    std::array<QLabel*, 3> lblSetColor;
    // "Chart"
    QWidget* fraChart;
    XChart* XChart1;
    StackedChartView* OLE1;
    QLabel* lblMSGraphNotfound;
    QComboBox* cmbChartType;
    QPushButton* cmdCopyChart;
    QWidget* fraBuiltinChartOptions;
    QLabel* picBuiltInChartColor;
    QCheckBox* chkShowAllowanceInChart;
    QWidget* fraChartColors;
    QCheckBox* chkShowAverageInChart;
    QCheckBox* chkDisplayDailyTotalinChart;
    std::array<QLabel*, 3> picChartColor;
    QLabel* Label3;
    // "Summary"
    QWidget* fraSummary;
    QComboBox* cmbPlans;
    QLabel* lblPlans;
    QLabel* lblPlanCharge;
    QLabel* lblBandWidthLimit;
    QLabel* lblRsPerMB;
    QLabel* lblMB;
    neb* nebPlanCharge;
    neb* nebBandWidthLimit;
    neb* nebRsPerMB;
    QLabel* picDownloadAllowed;
    QLabel* picActualDownload;
    QLineEdit* txtPercentage;
    QLabel* picExcessDownload;
    QLabel* picUsedColor;
    QLabel* picAvailableColor;
    QLabel* picExcessColor;
    QWidget* fraAvailable;
    QWidget* fraExcess;
    std::array<QLabel*, 7> lbl; // the figures shown only when the last recorded day is today
    QLabel* lblUsedAverageExclToday;
    QLabel* lblUsageToday;
    QLabel* lblAvailableAverageExclToday;
    QWidget* fraOutlook;
    QLabel* lblProjection;
    QTextBrowser* txtPlanComparison;
    // below the pages
    QCheckBox* chkNightUnlimited;
    QWidget* fraNightUnlimited;
    std::array<QCheckBox*, 3> chkExclude;
    QLabel* Label5;
    QLabel* lblWebsite;
    QPushButton* cmdClose;

    static ResultWindowControls find(const DesignBuilder& built);
};
