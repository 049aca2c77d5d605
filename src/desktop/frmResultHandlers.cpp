// The result window's event handlers: options, colours, chart type, tabs, links and output.
#include "chart/StackedChartView.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

namespace {

constexpr const char* CopiedText = "Chart is copied to clipboard. You can now paste it into any "
                                   "graphical application(like paintbrush)";

// A colour control in its colours, framed, and framed in the highlight while it has the focus.
void paintColours(QWidget* widget, const QString& colours) {
    widget->setStyleSheet(QStringLiteral("QLabel{%1border:1px solid palette(dark);margin:1px;}"
                                         "QLabel:focus{border:2px solid palette(highlight);"
                                         "margin:0px;}")
                              .arg(colours));
}

void paintColours(QWidget* widget, std::uint32_t fore, std::uint32_t back) {
    paintColours(widget,
                 QStringLiteral("color:%1;background-color:%2;")
                     .arg(ColorValue::toQColor(fore).name(), ColorValue::toQColor(back).name()));
    widget->setProperty("ForeColor", fore);
    widget->setProperty("BackColor", back);
}

void paintBack(QWidget* widget, std::uint32_t back) {
    paintColours(widget,
                 QStringLiteral("background-color:%1;").arg(ColorValue::toQColor(back).name()));
    widget->setProperty("BackColor", back);
}

bool activates(const QKeyEvent& key) {
    return key.key() == Qt::Key_Space || key.key() == Qt::Key_Return ||
           key.key() == Qt::Key_Enter || key.key() == Qt::Key_Menu;
}

constexpr const char* RowColourKeys = "Enter or Space: font colour; Shift+Enter or the menu key: "
                                      "background colour";

} // namespace

void frmResult::connectHandlers() {
    const ResultWindowControls& c = m_controls;
    connect(c.ctlTabs1, &ctlTabs::TabClick, this, [this](int, int tab) { ctlTabs1_TabClick(tab); });
    connect(c.cmbChartType, &QComboBox::currentIndexChanged, this,
            [this] { cmbChartType_Click(); });
    for (int i = 0; i < 3; ++i) {
        const auto member = static_cast<std::size_t>(i);
        connect(c.chkExclude[member], &QCheckBox::toggled, this,
                [this, i] { chkExclude_Click(i); });
        c.lblSetColor[member]->setAccessibleDescription(QString::fromLatin1(RowColourKeys));
    }
    // the colour controls are stops of the Tab chain and open their dialog by keyboard too
    for (QLabel* colour : {c.lblSetColor[0], c.lblSetColor[1], c.lblSetColor[2], c.picChartColor[0],
                           c.picChartColor[1], c.picChartColor[2], c.picBuiltInChartColor}) {
        colour->setFocusPolicy(Qt::StrongFocus);
        colour->installEventFilter(this);
        if (colour->accessibleDescription().isEmpty()) {
            colour->setAccessibleDescription(QStringLiteral("Enter or Space: choose the colour"));
        }
    }
    for (QLabel* clicked : {c.lblWebsite, c.lblPlans}) {
        clicked->installEventFilter(this);
    }
    // the links open by keyboard too; a click is taken by the event filter
    for (QLabel* link : {c.lblWebsite, c.lblPlans}) {
        connect(link, &QLabel::linkActivated, this,
                [this] { m_seams.shell.L2N(PlansPageAddress); });
    }
    connect(c.chkNightUnlimited, &QCheckBox::toggled, this, [this] { chkNightUnlimited_Click(); });
    connect(c.chkShowAverageInChart, &QCheckBox::toggled, this,
            [this] { chkShowAverageInChart_Click(); });
    connect(c.chkDisplayDailyTotalinChart, &QCheckBox::toggled, this,
            [this] { chkDisplayDailyTotalinChart_Click(); });
    connect(c.chkShowAllowanceInChart, &QCheckBox::toggled, this,
            [this] { chkShowAllowanceInChart_Click(); });
    connect(c.XChart1, &XChart::ItemClick, this, [this](const ChartItemRef& item) {
        m_controls.XChart1->setToolTip(item ? item->LegendDescription : QString());
    });
    connect(c.WebBrowser1, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& address) { WebBrowser1_BeforeNavigate2(address); });
    connect(c.cmbPlans, &QComboBox::currentIndexChanged, this,
            [this](int index) { cmbPlans_Click(index); });
    for (neb* box : {c.nebPlanCharge, c.nebBandWidthLimit, c.nebRsPerMB}) {
        connect(box, &neb::Change, this, [this] {
            if (!m_writingBoxes) {
                summariseAgain();
            }
        });
    }
    c.nebBandWidthLimit->textBox()->installEventFilter(this); // leaving it shows a raised limit
    connect(c.cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmResult::connectOutput() {
    connect(m_controls.cmdSave, &QPushButton::clicked, this,
            [this] { ReportOutput(m_seams.messages, m_seams.files).cmdSave(m_document); });
    connect(m_controls.cmdExport, &QPushButton::clicked, this,
            [this] { ReportOutput(m_seams.messages, m_seams.files).cmdExport(m_document); });
    connect(m_controls.cmdCopyChart, &QPushButton::clicked, this, [this] { cmdCopyChart_Click(); });
    QPushButton* print = m_controls.cmdPrint;
    auto* menu = new QMenu(print);
    menu->setObjectName(QStringLiteral("mnuPrint"));
    menu->addAction(QStringLiteral("Print report..."), this, [this] { printReport(); });
    menu->addAction(QStringLiteral("Save as PDF..."), this, [this] { saveReportPdf(); });
    print->setMenu(menu);
}

void frmResult::ctlTabs1_TabClick(int newTab) {
    const bool footer = ResultWindowState::footerVisibleOnTab(newTab);
    for (QWidget* option :
         std::initializer_list<QWidget*>{m_controls.fraNightUnlimited, m_controls.lblWebsite,
                                         m_controls.chkNightUnlimited, m_controls.Label5}) {
        option->setVisible(footer);
    }
    m_state.mblnIgnoreChartTypeClick = true;
    m_controls.cmbChartType->setCurrentIndex(m_state.options().ChartType);
    m_state.mblnIgnoreChartTypeClick = false;
    cmbChartType_Click();
}

void frmResult::cmbChartType_Click() {
    if (m_state.mblnIgnoreChartTypeClick) {
        return;
    }
    const int index = m_controls.cmbChartType->currentIndex();
    const ResultWindowState::ChartTypeView view = m_state.chartTypeChosen(std::max(0, index));
    if (view.createStacked) {
        m_chartPage.CreateMSGraph();
    }
    m_controls.XChart1->setVisible(view.builtInChartVisible);
    m_controls.OLE1->setVisible(!view.builtInChartVisible && m_state.mblnGraphCreated);
    if (view.refreshBuiltIn) {
        m_chartPage.UpdateGraphControl();
    }
    m_controls.fraBuiltinChartOptions->setVisible(view.builtInChartVisible);
    m_controls.fraChartColors->setVisible(view.stackedOptionsVisible);
}

void frmResult::chkExclude_Click(int index) {
    const bool on = m_controls.chkExclude[static_cast<std::size_t>(index)]->isChecked();
    if (!m_state.exclusionClicked(index, on)) {
        return;
    }
    rebuild();
    m_chartPage.FormatMSGraph();
}

void frmResult::applyNightRules(const ResultWindowState::NightRules& rules) {
    m_controls.chkExclude[0]->setEnabled(rules.exclusionsEnabled);
    m_controls.chkExclude[2]->setEnabled(rules.exclusionsEnabled);
    m_controls.picChartColor[0]->setVisible(rules.freeColoursVisible);
    m_controls.Label3->setVisible(rules.freeColoursVisible);
    m_controls.lblSetColor[0]->setVisible(rules.freeColoursVisible);
    m_controls.lblSetColor[1]->setVisible(rules.freeColoursVisible);
}

void frmResult::chkNightUnlimited_Click() {
    const bool on = m_controls.chkNightUnlimited->isChecked();
    const bool nonFreeBox = m_controls.chkExclude[2]->isChecked();
    const ResultWindowState::NightRules rules = m_state.nightUnlimitedClicked(on, nonFreeBox);
    applyNightRules(rules);
    if (rules.rebuild) {
        QApplication::processEvents();
        rebuild();
    }
}

void frmResult::chkShowAverageInChart_Click() {
    const bool on = m_controls.chkShowAverageInChart->isChecked();
    if (m_state.showAverageClicked(on)) {
        m_chartPage.setStackedData(m_chartPage.stackedDataText());
    }
}

void frmResult::chkDisplayDailyTotalinChart_Click() {
    const bool on = m_controls.chkDisplayDailyTotalinChart->isChecked();
    if (!m_state.mblnSuppressEvents) {
        m_state.showTotalClicked(on);
        m_chartPage.FormatMSGraph();
    }
}

void frmResult::chkShowAllowanceInChart_Click() {
    if (m_state.mblnSuppressEvents) {
        return;
    }
    m_state.options().mblnShowAllowance = m_controls.chkShowAllowanceInChart->isChecked();
    m_state.mblnChartUpToDate = false;
    UpdateGraphControl();
}

void frmResult::copyOptionControls(const ReportOptions& options) {
    m_controls.chkExclude[0]->setChecked(options.mblnExcludeFree);
    m_controls.chkExclude[1]->setChecked(options.mblnExcludeMixed);
    m_controls.chkExclude[2]->setChecked(options.mblnExcludeNonFree);
    m_controls.chkDisplayDailyTotalinChart->setChecked(options.mblnShowTotalValue);
    m_controls.chkShowAverageInChart->setChecked(options.mblnShowAverage);
    m_controls.chkShowAllowanceInChart->setChecked(options.mblnShowAllowance);
    m_controls.chkNightUnlimited->setChecked(options.mblnNightUnlimitedPlan);
    // also when the night box did not change and so raised nothing
    applyNightRules(ResultWindowState::nightRules(options.mblnNightUnlimitedPlan));
    paintColourControls();
}

void frmResult::paintColourControls() {
    for (int i = 0; i < 3; ++i) {
        const auto member = static_cast<std::size_t>(i);
        paintColours(m_controls.lblSetColor[member], m_state.rowFore(i), m_state.rowBack(i));
        paintBack(m_controls.picChartColor[member], m_state.chartColour(i));
    }
    paintBack(m_controls.picBuiltInChartColor, m_state.options().mlngInbuiltChartColor);
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
    paintColours(m_controls.lblSetColor[static_cast<std::size_t>(index)], fore, back);
    rebuild();
}

void frmResult::picChartColor_Click(int index) {
    m_state.storeChartColour(index, chooseColour(m_state.chartColour(index)));
    paintBack(m_controls.picChartColor[static_cast<std::size_t>(index)],
              m_state.chartColour(index));
    m_chartPage.FormatMSGraph();
}

void frmResult::picBuiltInChartColor_Click() {
    m_state.storeBuiltInColour(chooseColour(m_state.options().mlngInbuiltChartColor));
    paintBack(m_controls.picBuiltInChartColor, m_state.options().mlngInbuiltChartColor);
    m_chartPage.UpdateGraphControl();
}

bool frmResult::eventFilter(QObject* watched, QEvent* event) {
    const ResultWindowControls& c = m_controls;
    if (watched == c.nebBandWidthLimit->textBox() && event->type() == QEvent::FocusOut) {
        // after the box has formatted what was left in it
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (limitRaised()) {
                    showRaisedLimit();
                }
            },
            Qt::QueuedConnection);
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        colourKeyPressed(watched, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    const bool link = watched == c.lblWebsite || watched == c.lblPlans;
    if (link && event->type() == QEvent::MouseButtonRelease) {
        return true; // the press opened the page: the link must not open it again
    }
    if (event->type() != QEvent::MouseButtonPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto button = static_cast<QMouseEvent*>(event)->button();
    // the member of a control array that was pressed, or -1
    const auto memberOf = [watched](const std::array<QLabel*, 3>& members) {
        const auto found = std::find(members.begin(), members.end(), watched);
        return found == members.end() ? -1 : static_cast<int>(found - members.begin());
    };
    if (const int label = memberOf(c.lblSetColor); label >= 0) {
        lblSetColor_MouseDown(label, button);
    } else if (button != Qt::LeftButton) {
        return false;
    } else if (const int box = memberOf(c.picChartColor); box >= 0) {
        picChartColor_Click(box);
    } else if (watched == c.picBuiltInChartColor) {
        picBuiltInChartColor_Click();
    } else if (link) {
        m_seams.shell.L2N(PlansPageAddress);
    } else {
        return QDialog::eventFilter(watched, event);
    }
    return true;
}

// Enter or Space on a colour control does what its left click does; on a row colour, Shift or
// the menu key edits the background, as the right click does.
bool frmResult::colourKeyPressed(QObject* watched, const QKeyEvent& key) {
    const ResultWindowControls& c = m_controls;
    if (!activates(key)) {
        return false;
    }
    const bool back = key.key() == Qt::Key_Menu || key.modifiers().testFlag(Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i) {
        const auto member = static_cast<std::size_t>(i);
        if (watched == c.lblSetColor[member]) {
            lblSetColor_MouseDown(i, back ? Qt::RightButton : Qt::LeftButton);
            return true;
        }
        if (watched == c.picChartColor[member] && !back) {
            picChartColor_Click(i);
            return true;
        }
    }
    if (watched == c.picBuiltInChartColor && !back) {
        picBuiltInChartColor_Click();
        return true;
    }
    return false;
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
