#include "desktop/ResultWindowControls.h"

#include "chart/StackedChartView.h"
#include "chart/XChart.h"
#include "controls/ctlTabs.h"
#include "controls/neb.h"
#include "desktop/DesignBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>

ResultWindowControls ResultWindowControls::find(const DesignBuilder& built) {
    ResultWindowControls c{};
    c.ctlTabs1 = built.require<ctlTabs>("ctlTabs1");
    c.lblAverage = built.require<QLabel>("lblAverage");
    c.fraReport = built.require<QWidget>("fraReport");
    c.WebBrowser1 = built.require<QTextBrowser>("WebBrowser1");
    c.grdReportRows = built.require<QTableView>("grdReportRows");
    c.cmdSave = built.require<QPushButton>("cmdSave");
    c.cmdExport = built.require<QPushButton>("cmdExport");
    c.cmdPrint = built.require<QPushButton>("cmdPrint");
    built.require("lblSetColor", c.lblSetColor);
    c.fraChart = built.require<QWidget>("fraChart");
    c.XChart1 = built.require<XChart>("XChart1");
    c.OLE1 = built.require<StackedChartView>("OLE1");
    c.lblMSGraphNotfound = built.require<QLabel>("lblMSGraphNotfound");
    c.cmbChartType = built.require<QComboBox>("cmbChartType");
    c.cmdCopyChart = built.require<QPushButton>("cmdCopyChart");
    c.fraBuiltinChartOptions = built.require<QWidget>("fraBuiltinChartOptions");
    c.picBuiltInChartColor = built.require<QLabel>("picBuiltInChartColor");
    c.chkShowAllowanceInChart = built.require<QCheckBox>("chkShowAllowanceInChart");
    c.fraChartColors = built.require<QWidget>("fraChartColors");
    c.chkShowAverageInChart = built.require<QCheckBox>("chkShowAverageInChart");
    c.chkDisplayDailyTotalinChart = built.require<QCheckBox>("chkDisplayDailyTotalinChart");
    built.require("picChartColor", c.picChartColor);
    c.Label3 = built.require<QLabel>("Label3");
    c.fraSummary = built.require<QWidget>("fraSummary");
    c.cmbPlans = built.require<QComboBox>("cmbPlans");
    c.lblPlans = built.require<QLabel>("lblPlans");
    c.lblPlanCharge = built.require<QLabel>("lblPlanCharge");
    c.lblBandWidthLimit = built.require<QLabel>("lblBandWidthLimit");
    c.lblRsPerMB = built.require<QLabel>("lblRsPerMB");
    c.lblMB = built.require<QLabel>("lblMB");
    c.nebPlanCharge = built.require<neb>("nebPlanCharge");
    c.nebBandWidthLimit = built.require<neb>("nebBandWidthLimit");
    c.nebRsPerMB = built.require<neb>("nebRsPerMB");
    c.picDownloadAllowed = built.require<QLabel>("picDownloadAllowed");
    c.picActualDownload = built.require<QLabel>("picActualDownload");
    c.txtPercentage = built.require<QLineEdit>("txtPercentage");
    c.picExcessDownload = built.require<QLabel>("picExcessDownload");
    c.picUsedColor = built.require<QLabel>("picUsedColor");
    c.picAvailableColor = built.require<QLabel>("picAvailableColor");
    c.picExcessColor = built.require<QLabel>("picExcessColor");
    c.fraAvailable = built.require<QWidget>("fraAvailable");
    c.fraExcess = built.require<QWidget>("fraExcess");
    built.require("lbl", c.lbl);
    c.lblUsedAverageExclToday = built.require<QLabel>("lblUsedAverageExclToday");
    c.lblUsageToday = built.require<QLabel>("lblUsageToday");
    c.lblAvailableAverageExclToday = built.require<QLabel>("lblAvailableAverageExclToday");
    c.fraOutlook = built.require<QWidget>("fraOutlook");
    c.lblProjection = built.require<QLabel>("lblProjection");
    c.txtPlanComparison = built.require<QTextBrowser>("txtPlanComparison");
    c.chkNightUnlimited = built.require<QCheckBox>("chkNightUnlimited");
    c.fraNightUnlimited = built.require<QWidget>("fraNightUnlimited");
    built.require("chkExclude", c.chkExclude);
    c.Label5 = built.require<QLabel>("Label5");
    c.lblWebsite = built.require<QLabel>("lblWebsite");
    c.cmdClose = built.require<QPushButton>("cmdClose");
    return c;
}
