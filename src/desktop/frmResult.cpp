#include "desktop/frmResult.h"

#include "analysis/MonthAnalysis.h"
#include "chart/XChart.h"
#include "controls/Twips.h"
#include "controls/ctlTabs.h"
#include "controls/neb.h"
#include "desktop/MainWindowDesign.h"
#include "desktop/ReportOutput.h"
#include "desktop/ReportPageHtml.h"
#include "desktop/ReportPdf.h"
#include "desktop/ReportRowsModel.h"
#include "desktop/ReportRowsTable.h"
#include "desktop/ResultWindowDesign.h"
#include "desktop/SummaryOutlook.h"
#include "platform/Clock.h"
#include "platform/ColorValue.h"
#include "platform/MessagePresenter.h"
#include "platform/PropertyBag.h"
#include "platform/SettingsStore.h"
#include "report/ReportRow.h"
#include "retrieval/FileDataStore.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

constexpr QSize FrameAllowance{ResultWindowDesign::FrameWidth, ResultWindowDesign::FrameHeight};
// The quota bar's green (what is left) and light red (what is used).
const QColor QuotaLeft(0x00, 0xc0, 0x00);
const QColor QuotaUsed(0xff, 0x80, 0x80);

// The wait cursor while the report is built again: a large month takes a moment.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

frmResult::frmResult(MonthAnalysis& month, ReportOptions& options, ResultWindowSeams seams,
                     QWidget* parent)
    : QDialog(parent)
    , m_month(month)
    , m_seams(std::move(seams))
    , m_state(options)
    , m_design(*this, m_seams.messages)
    , m_chartPage(m_controls, m_state, m_result, m_seams.messages)
    , m_summaryView(m_design, m_controls) {
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QStringLiteral("Result"));
    setAccessibleName(QStringLiteral("Result"));
    setFont(MainWindowDesign::font());
    setSizeGripEnabled(true);
    m_design.build(ResultWindowDesign::controls());
    m_controls = ResultWindowControls::find(m_design);
    resize(Twips::toPixelsX(this, ResultWindowDesign::ClientWidth),
           Twips::toPixelsY(this, ResultWindowDesign::ClientHeight));
    setUpTabs();
    setUpLists();
    applyPaletteColours();
    m_design.setTabOrder(ResultWindowDesign::tabOrder());
    connectHandlers();
    connectOutput();
    Form_Load();
}

frmResult::~frmResult() = default;

ResultWindowFactory frmResult::factory(ResultWindowSeams seams) {
    return [seams](MonthAnalysis& month, ReportOptions& options) {
        QWidget* owner = seams.owner ? seams.owner() : nullptr;
        return std::unique_ptr<ResultWindowPort>(new frmResult(month, options, seams, owner));
    };
}

void frmResult::setUpTabs() {
    PropertyBag design;
    design.write(QStringLiteral("tabwide"), 70);
    design.write(QStringLiteral("tabhigh"), 20);
    design.write(QStringLiteral("tabcount"), 3);
    design.write(QStringLiteral("tabselected"), 1);
    QFont tabFont = font();
    design.write(QStringLiteral("tabfont"), QVariant::fromValue(tabFont));
    tabFont.setBold(true);
    design.write(QStringLiteral("tabfontactive"), QVariant::fromValue(tabFont));
    const char* captions[] = {"Report", "Chart", "Summary"};
    const char* frames[] = {"fraReport", "fraChart", "fraSummary"};
    for (int tab = 0; tab < 3; ++tab) {
        design.write(QStringLiteral("tabcaption%1").arg(tab + 1),
                     QString::fromLatin1(captions[tab]));
        design.write(QStringLiteral("tabframe%1").arg(tab + 1), QString::fromLatin1(frames[tab]));
    }
    m_controls.ctlTabs1->load(design);
}

void frmResult::setUpLists() {
    // the chart's own failures (printing, saving) come up in the window's message boxes
    const ResultWindowControls& c = m_controls;
    c.XChart1->setMessagePresenter(&m_seams.messages);
    c.cmbChartType->addItems({QStringLiteral("Chart Type 1"), QStringLiteral("Chart Type 2")});
    c.cmbChartType->setCurrentIndex(-1);
    struct Box {
        neb* box;
        int integers;
        int decimals;
    };
    for (const Box& box :
         {Box{c.nebPlanCharge, 5, 0}, Box{c.nebBandWidthLimit, 10, 0}, Box{c.nebRsPerMB, 1, 2}}) {
        box.box->properties().setIntegerSize(box.integers);
        box.box->properties().setDecimalSize(box.decimals);
    }
    const auto paint = [](std::initializer_list<QLabel*> pictures, const QColor& colour) {
        for (QLabel* picture : pictures) {
            picture->setStyleSheet(QStringLiteral("background-color:%1;").arg(colour.name()));
        }
    };
    paint({c.picDownloadAllowed, c.picAvailableColor}, QuotaLeft);
    paint({c.picActualDownload, c.picUsedColor}, QuotaUsed);
    paint({c.picExcessDownload, c.picExcessColor}, QColor(0xff, 0x00, 0x00));
    c.txtPercentage->setText(QStringLiteral("000"));
    c.txtPercentage->setFocusPolicy(Qt::ClickFocus); // a figure on the bar, not a Tab stop
    m_rows = std::make_unique<ReportRowsTable>(c.grdReportRows);
    for (QLabel* label : c.lblSetColor) {
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
    }
}

void frmResult::Form_Load() {
    m_resizerWindow = std::make_unique<WidgetResizerWindow>(this, FrameAllowance);
    m_resizer.InitResizer(*m_resizerWindow, m_resizerWindow->width(), m_resizerWindow->height());
    // the colour controls of one kind share their first member's tip
    for (auto* controls : {&m_controls.lblSetColor, &m_controls.picChartColor}) {
        for (QLabel* member : *controls) {
            member->setToolTip(controls->front()->toolTip());
        }
    }
    readEntryBoxes();
    m_summary.restoreCustomPlan(m_seams.settings);
    writeEntryBoxes();
    LoadCombo();
}

void frmResult::Form_Unload() {
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    m_state.mblnGraphCreated = false;
    readEntryBoxes();
    if (limitRaised()) { // closed while the limit box still read 0: it is billed, so kept, as 1
        m_summary.customPlan().nebBandWidthLimit = 1;
    }
    m_summary.saveSettings(m_seams.settings);
}

void frmResult::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmResult::showModal() {
    exec();
    Form_Unload();
}

void frmResult::readEntryBoxes() {
    CustomPlanValues& custom = m_summary.customPlan();
    custom.nebPlanCharge = m_controls.nebPlanCharge->Value();
    custom.nebBandWidthLimit = m_controls.nebBandWidthLimit->Value();
    custom.nebRsPerMB = m_controls.nebRsPerMB->Value();
}

void frmResult::writeEntryBoxes() {
    m_writingBoxes = true;
    const CustomPlanValues& custom = m_summary.customPlan();
    m_controls.nebPlanCharge->setValue(custom.nebPlanCharge);
    m_controls.nebBandWidthLimit->setValue(custom.nebBandWidthLimit);
    m_controls.nebRsPerMB->setValue(custom.nebRsPerMB);
    m_writingBoxes = false;
}

void frmResult::LoadCombo() {
    const bool chosen = m_summary.LoadCombo(m_seams.settings);
    QComboBox* plans = m_controls.cmbPlans;
    {
        const QSignalBlocker quiet(plans);
        plans->clear();
        for (const PlanListItem& item : m_summary.cmbPlans().items()) {
            plans->addItem(QString::fromStdString(item.text), item.itemData);
        }
        plans->setCurrentIndex(m_summary.cmbPlans().listIndex());
    }
    if (chosen) {
        summariseAgain(); // selecting a position raises the list's click
    }
}

PlanChoice frmResult::planChoice() const {
    return m_summary.choice(m_seams.clock.today());
}

void frmResult::showResult(MonthResult result) {
    const bool averageWritten = !result.report.chart.averagePerDay.empty();
    m_result = std::move(result);
    if (averageWritten) {
        m_controls.lblAverage->setText(QString::fromStdString(m_result.report.averagePerDay));
    }
    showReportPage();
    if (m_state.options().ChartType == 1) {
        if (m_state.mblnGraphCreated) {
            m_chartPage.setStackedData(m_chartPage.stackedDataText());
            // the built-in chart no longer shows the current report
            m_state.mblnChartUpToDate = false;
        }
    } else {
        m_state.mblnChartUpToDate = false;
        UpdateGraphControl();
    }
    CreateSummary();
}

// The colours of the design stay as the backgrounds they are; the text on them follows the
// palette as far as it reads at 4.5:1 (white on the quota bar's green does not).
void frmResult::applyPaletteColours() {
    const QColor percentage =
        ColorValue::legibleOn({QuotaLeft, QuotaUsed}, palette().color(QPalette::Text));
    m_controls.txtPercentage->setStyleSheet(
        QStringLiteral("background:transparent;color:%1;").arg(percentage.name()));
    QTextBrowser* page = m_controls.WebBrowser1;
    const QColor link = ColorValue::legibleOn(page->palette().color(QPalette::Base),
                                              page->palette().color(QPalette::Link));
    page->document()->setDefaultStyleSheet(QStringLiteral("a{color:%1;}").arg(link.name()));
    page->setHtml(ReportPageHtml::headerForDisplay(m_document));
}

void frmResult::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_rows) {
        applyPaletteColours();
    }
}

void frmResult::showReportPage() {
    m_controls.WebBrowser1->setHtml(ReportPageHtml::headerForDisplay(m_document));
    m_rows->show(m_document, m_result.report.days);
}

void frmResult::UpdateGraphControl() {
    m_chartPage.UpdateGraphControl();
}

void frmResult::CreateSummary() {
    const MonthSummary& summary = m_result.summary;
    if (!summary.hasPlan()) {
        return;
    }
    if (summary.figures->limitRaised) {
        showRaisedLimit();
    }
    m_summaryView.show(summary);
    m_summaryView.showOutlook(SummaryOutlook::build(summary));
}

// The allowance line follows the chosen plan: drawn anew when the plan's limit changes it.
void frmResult::refreshAllowance() {
    if (m_controls.XChart1->model().AllowanceValue() == m_chartPage.allowance()) {
        return;
    }
    m_state.mblnChartUpToDate = false;
    if (m_state.options().ChartType != ResultWindowState::StackedChart) {
        UpdateGraphControl();
    }
}

bool frmResult::limitRaised() const {
    return m_result.summary.hasPlan() && m_result.summary.figures->limitRaised;
}

// A custom limit of 0 is billed as 1 MB, and its box says so; but a box is never rewritten
// under the user's caret: while the limit box is being typed in (emptied to type a new limit)
// it is set when the user leaves it. The other boxes are left alone.
void frmResult::showRaisedLimit() {
    neb* box = m_controls.nebBandWidthLimit;
    if (box->textBox()->hasFocus()) {
        return;
    }
    m_summary.customPlan().nebBandWidthLimit = 1;
    m_writingBoxes = true;
    box->setValue(1);
    m_writingBoxes = false;
}

// A plan was chosen or a custom value changed: the summary is worked out again from the
// month's totals, the report stays as it is.
void frmResult::summariseAgain() {
    readEntryBoxes();
    try {
        m_result.summary = MonthSummary::build(m_result.totals(), planChoice());
    } catch (const Failure& failure) {
        m_seams.messages.showFailure(failure, MessageIcon::None);
        return;
    }
    CreateSummary();
    refreshAllowance();
}

void frmResult::rebuild() {
    const WaitCursor wait;
    try {
        std::optional<MonthResult> result =
            m_month.build(m_state.options(), planChoice(), &m_document);
        if (result) {
            showResult(std::move(*result));
        }
    } catch (const ReportError& error) {
        m_seams.messages.showFailure(error);
    }
}

void frmResult::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_resizing || !m_resizerWindow) {
        return;
    }
    m_resizing = true;
    m_resizer.FormResized(*m_resizerWindow);
    fitTabsToFrames();
    m_summaryView.layOutOutlook();
    m_chartPage.ResizeChart();
    m_resizing = false;
}

void frmResult::fitTabsToFrames() {
    // the strip holds the pages: it grows and shrinks with them, so no page is cut off
    QRect pages;
    for (const QWidget* page : {m_controls.fraReport, m_controls.fraChart, m_controls.fraSummary}) {
        pages |= page->geometry();
    }
    m_controls.ctlTabs1->resize(pages.right() + 1 + pages.left(), pages.bottom() + 1 + 4);
}

std::unique_ptr<QTextDocument> frmResult::wholeReport() const {
    // paper gets every row in the report's own table, however long it takes to lay out
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font());
    document->setHtml(ReportPageHtml::forDisplay(m_document));
    return document;
}

void frmResult::printReport() {
    std::unique_ptr<QPrinter> printer = m_seams.printer ? m_seams.printer() : nullptr;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), this);
        dialog.setWindowTitle(QStringLiteral("Print report"));
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    wholeReport()->print(printer.get());
}

void frmResult::saveReportPdf() {
    const QString path =
        ReportOutput(m_seams.messages, m_seams.files).chooseTarget(QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        try {
            ReportPdf(m_document, m_result, m_state.options()).write(file);
        } catch (const Failure& failure) {
            file.cancelWriting();
            m_seams.messages.showFailure(failure);
            return;
        }
    }
    if (!file.commit()) {
        m_seams.messages.show(file.errorString(), FileDataStore::ApplicationTitle,
                              MessageIcon::Critical);
        return;
    }
    m_seams.messages.show(ReportOutput::SavedMessage, FileDataStore::ApplicationTitle,
                          MessageIcon::Information);
}
