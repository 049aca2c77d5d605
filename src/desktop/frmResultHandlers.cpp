// The result window's event handlers: options, colours, chart type, tabs, links and output.
#include "chart/XChart.h"
#include "controls/clsCommonDialog.h"
#include "controls/ctlTabs.h"
#include "controls/neb.h"
#include "desktop/ReportOutput.h"
#include "desktop/frmResult.h"
#include "platform/ColorValue.h"
#include "platform/DesktopShell.h"
#include "platform/MessagePresenter.h"
#include "report/ReportOptions.h"
#include "retrieval/FileDataStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>

namespace {

constexpr const char* CopiedText = "Chart is copied to clipboard. You can now paste it into any "
                                   "graphical application(like paintbrush)";

void paintColours(QWidget* widget, std::uint32_t fore, std::uint32_t back) {
    widget->setStyleSheet(
        QStringLiteral("color:%1;background-color:%2;")
            .arg(ColorValue::toQColor(fore).name(), ColorValue::toQColor(back).name()));
    widget->setProperty("ForeColor", fore);
    widget->setProperty("BackColor", back);
}

void paintBack(QWidget* widget, std::uint32_t back) {
    widget->setStyleSheet(
        QStringLiteral("background-color:%1;").arg(ColorValue::toQColor(back).name()));
    widget->setProperty("BackColor", back);
}

// Waits with the wait cursor while the report is rebuilt.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void frmResult::connectHandlers() {
    auto* tabs = m_controls.get<ctlTabs>(QStringLiteral("ctlTabs1"));
    connect(tabs, &ctlTabs::TabClick, this, [this](int, int tab) { ctlTabs1_TabClick(tab); });
    connect(m_controls.get<QComboBox>(QStringLiteral("cmbChartType")),
            &QComboBox::currentIndexChanged, this, [this] { cmbChartType_Click(); });
    for (int i = 0; i < 3; ++i) {
        connect(m_controls.get<QCheckBox>(QStringLiteral("chkExclude"), i), &QCheckBox::toggled,
                this, [this, i] { chkExclude_Click(i); });
        control(QStringLiteral("lblSetColor"), i)->installEventFilter(this);
        control(QStringLiteral("picChartColor"), i)->installEventFilter(this);
    }
    control(QStringLiteral("picBuiltInChartColor"))->installEventFilter(this);
    control(QStringLiteral("lblWebsite"))->installEventFilter(this);
    control(QStringLiteral("lblPlans"))->installEventFilter(this);
    connect(m_controls.get<QCheckBox>(QStringLiteral("chkNightUnlimited")), &QCheckBox::toggled,
            this, [this] { chkNightUnlimited_Click(); });
    connect(m_controls.get<QCheckBox>(QStringLiteral("chkShowAverageInChart")), &QCheckBox::toggled,
            this, [this] { chkShowAverageInChart_Click(); });
    connect(m_controls.get<QCheckBox>(QStringLiteral("chkDisplayDailyTotalinChart")),
            &QCheckBox::toggled, this, [this] { chkDisplayDailyTotalinChart_Click(); });
    connect(m_controls.get<XChart>(QStringLiteral("XChart1")), &XChart::ItemClick, this,
            [this](const ChartItemRef& item) {
                control(QStringLiteral("XChart1"))
                    ->setToolTip(item ? item->LegendDescription : QString());
            });
    connect(m_controls.get<QTextBrowser>(QStringLiteral("WebBrowser1")),
            &QTextBrowser::anchorClicked, this,
            [this](const QUrl& address) { WebBrowser1_BeforeNavigate2(address); });
    connect(m_controls.get<QComboBox>(QStringLiteral("cmbPlans")), &QComboBox::currentIndexChanged,
            this, [this](int index) { cmbPlans_Click(index); });
    for (const char* box : {"nebPlanCharge", "nebBandWidthLimit", "nebRsPerMB"}) {
        connect(m_controls.get<neb>(QString::fromLatin1(box)), &neb::Change, this, [this] {
            if (!m_writingBoxes) {
                summariseAgain();
            }
        });
    }
    connect(m_controls.get<QPushButton>(QStringLiteral("cmdClose")), &QPushButton::clicked, this,
            &QDialog::accept);
}

void frmResult::connectOutput() {
    connect(m_controls.get<QPushButton>(QStringLiteral("cmdSave")), &QPushButton::clicked, this,
            [this] { ReportOutput(m_seams.messages, m_seams.files).cmdSave(m_document); });
    connect(m_controls.get<QPushButton>(QStringLiteral("cmdExport")), &QPushButton::clicked, this,
            [this] { ReportOutput(m_seams.messages, m_seams.files).cmdExport(m_document); });
    connect(m_controls.get<QPushButton>(QStringLiteral("cmdCopyChart")), &QPushButton::clicked,
            this, [this] { cmdCopyChart_Click(); });
    auto* print = m_controls.get<QPushButton>(QStringLiteral("cmdPrint"));
    auto* menu = new QMenu(print);
    menu->setObjectName(QStringLiteral("mnuPrint"));
    menu->addAction(QStringLiteral("Print report..."), this, [this] { printReport(); });
    menu->addAction(QStringLiteral("Save as PDF..."), this, [this] { saveReportPdf(); });
    print->setMenu(menu);
}

void frmResult::ctlTabs1_TabClick(int newTab) {
    const bool footer = ResultWindowState::footerVisibleOnTab(newTab);
    for (const char* name : {"fraNightUnlimited", "lblWebsite", "chkNightUnlimited", "Label5"}) {
        control(QString::fromLatin1(name))->setVisible(footer);
    }
    m_state.mblnIgnoreChartTypeClick = true;
    m_controls.get<QComboBox>(QStringLiteral("cmbChartType"))
        ->setCurrentIndex(m_state.options().ChartType);
    m_state.mblnIgnoreChartTypeClick = false;
    cmbChartType_Click();
}

void frmResult::cmbChartType_Click() {
    if (m_state.mblnIgnoreChartTypeClick) {
        return;
    }
    const int index = m_controls.get<QComboBox>(QStringLiteral("cmbChartType"))->currentIndex();
    const ResultWindowState::ChartTypeView view = m_state.chartTypeChosen(std::max(0, index));
    if (view.createStacked) {
        m_chartPage.CreateMSGraph();
    }
    control(QStringLiteral("XChart1"))->setVisible(view.builtInChartVisible);
    control(QStringLiteral("OLE1"))
        ->setVisible(!view.builtInChartVisible && m_state.mblnGraphCreated);
    if (view.refreshBuiltIn) {
        m_chartPage.UpdateGraphControl();
    }
    control(QStringLiteral("fraBuiltinChartOptions"))->setVisible(view.builtInChartVisible);
    control(QStringLiteral("fraChartColors"))->setVisible(view.stackedOptionsVisible);
}

void frmResult::chkExclude_Click(int index) {
    const bool on = m_controls.get<QCheckBox>(QStringLiteral("chkExclude"), index)->isChecked();
    if (!m_state.exclusionClicked(index, on)) {
        return;
    }
    const WaitCursor wait;
    rebuild();
    m_chartPage.FormatMSGraph();
}

void frmResult::applyNightRules(const ResultWindowState::NightRules& rules) {
    control(QStringLiteral("chkExclude"), 0)->setEnabled(rules.exclusionsEnabled);
    control(QStringLiteral("chkExclude"), 2)->setEnabled(rules.exclusionsEnabled);
    control(QStringLiteral("picChartColor"), 0)->setVisible(rules.freeColoursVisible);
    control(QStringLiteral("Label3"))->setVisible(rules.freeColoursVisible);
    control(QStringLiteral("lblSetColor"), 0)->setVisible(rules.freeColoursVisible);
    control(QStringLiteral("lblSetColor"), 1)->setVisible(rules.freeColoursVisible);
}

void frmResult::chkNightUnlimited_Click() {
    const bool on = m_controls.get<QCheckBox>(QStringLiteral("chkNightUnlimited"))->isChecked();
    const bool nonFreeBox = m_controls.get<QCheckBox>(QStringLiteral("chkExclude"), 2)->isChecked();
    const ResultWindowState::NightRules rules = m_state.nightUnlimitedClicked(on, nonFreeBox);
    applyNightRules(rules);
    if (rules.rebuild) {
        QApplication::processEvents();
        rebuild();
    }
}

void frmResult::chkShowAverageInChart_Click() {
    const bool on = m_controls.get<QCheckBox>(QStringLiteral("chkShowAverageInChart"))->isChecked();
    if (m_state.showAverageClicked(on)) {
        m_chartPage.setStackedData(m_chartPage.stackedDataText());
    }
}

void frmResult::chkDisplayDailyTotalinChart_Click() {
    const bool on =
        m_controls.get<QCheckBox>(QStringLiteral("chkDisplayDailyTotalinChart"))->isChecked();
    if (!m_state.mblnSuppressEvents) {
        m_state.showTotalClicked(on);
        m_chartPage.FormatMSGraph();
    }
}

void frmResult::setCheck(const QString& name, int index, bool on) {
    m_controls.get<QCheckBox>(name, index)->setChecked(on);
}

void frmResult::copyOptionControls(const ReportOptions& options) {
    setCheck(QStringLiteral("chkExclude"), 0, options.mblnExcludeFree);
    setCheck(QStringLiteral("chkExclude"), 1, options.mblnExcludeMixed);
    setCheck(QStringLiteral("chkExclude"), 2, options.mblnExcludeNonFree);
    setCheck(QStringLiteral("chkDisplayDailyTotalinChart"), -1, options.mblnShowTotalValue);
    setCheck(QStringLiteral("chkShowAverageInChart"), -1, options.mblnShowAverage);
    setCheck(QStringLiteral("chkNightUnlimited"), -1, options.mblnNightUnlimitedPlan);
    // also when the night box did not change and so raised nothing
    applyNightRules(ResultWindowState::nightRules(options.mblnNightUnlimitedPlan));
    paintColourControls();
}

void frmResult::paintColourControls() {
    for (int i = 0; i < 3; ++i) {
        paintColours(control(QStringLiteral("lblSetColor"), i), m_state.rowFore(i),
                     m_state.rowBack(i));
        paintBack(control(QStringLiteral("picChartColor"), i), m_state.chartColour(i));
    }
    paintBack(control(QStringLiteral("picBuiltInChartColor")),
              m_state.options().mlngInbuiltChartColor);
}

std::uint32_t frmResult::chooseColour(std::uint32_t current) {
    clsCommonDialog dialog(m_seams.colors);
    dialog.setFLAGS(1);
    dialog.setColor(current);
    dialog.ShowColor();
    return dialog.Color();
}

void frmResult::lblSetColor_MouseDown(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    std::uint32_t fore = m_state.rowFore(index);
    std::uint32_t back = m_state.rowBack(index);
    (button == Qt::LeftButton ? fore : back) = chooseColour(button == Qt::LeftButton ? fore : back);
    m_state.storeRowColours(index, fore, back);
    paintColours(control(QStringLiteral("lblSetColor"), index), fore, back);
    rebuild();
}

void frmResult::picChartColor_Click(int index) {
    m_state.storeChartColour(index, chooseColour(m_state.chartColour(index)));
    paintBack(control(QStringLiteral("picChartColor"), index), m_state.chartColour(index));
    m_chartPage.FormatMSGraph();
}

void frmResult::picBuiltInChartColor_Click() {
    m_state.storeBuiltInColour(chooseColour(m_state.options().mlngInbuiltChartColor));
    paintBack(control(QStringLiteral("picBuiltInChartColor")),
              m_state.options().mlngInbuiltChartColor);
    m_chartPage.UpdateGraphControl();
}

bool frmResult::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto button = static_cast<QMouseEvent*>(event)->button();
    const QString name = watched->objectName();
    const int index =
        watched->property("Index").isValid() ? watched->property("Index").toInt() : -1;
    if (name == QLatin1String("lblSetColor")) {
        lblSetColor_MouseDown(index, button);
    } else if (button != Qt::LeftButton) {
        return false;
    } else if (name == QLatin1String("picChartColor")) {
        picChartColor_Click(index);
    } else if (name == QLatin1String("picBuiltInChartColor")) {
        picBuiltInChartColor_Click();
    } else if (name == QLatin1String("lblWebsite") || name == QLatin1String("lblPlans")) {
        m_seams.shell.L2N(PlansPageAddress);
    } else {
        return QDialog::eventFilter(watched, event);
    }
    return true;
}

void frmResult::WebBrowser1_BeforeNavigate2(const QUrl& address) {
    // the page never navigates: the help link answers here, other links open in the browser
    if (address.toString().contains(QLatin1String("WhytotalShown"))) {
        m_seams.messages.show(ResultWindowState::totalsHelp(m_seams.monthFolder),
                              QStringLiteral("Help"), MessageIcon::Information);
        return;
    }
    m_seams.shell.L2N(address.toString().toStdString());
}

void frmResult::cmbPlans_Click(int index) {
    m_summary.cmbPlans().setListIndex(index);
    summariseAgain();
}

void frmResult::cmdCopyChart_Click() {
    m_chartPage.copyShownChart();
    m_seams.messages.show(QString::fromLatin1(CopiedText), FileDataStore::ApplicationTitle,
                          MessageIcon::None);
}
