#pragma once

#include "analysis/MonthResult.h"
#include "analysis/SummaryPage.h"
#include "controls/ControlResizer.h"
#include "controls/WidgetResizerWindow.h"
#include "desktop/DesignBuilder.h"
#include "desktop/ResultChartPage.h"
#include "desktop/ResultWindowControls.h"
#include "desktop/ResultWindowPort.h"
#include "desktop/ResultWindowState.h"
#include "desktop/SummaryPageView.h"
#include "platform/dom/Document.h"

#include <QDialog>
#include <functional>
#include <memory>

class Clock;
class ColorChooser;
class DesktopShell;
class FileChooser;
class MessagePresenter;
class QKeyEvent;
class QPrinter;
class ReportRowsTable;
class QTextDocument;
class SettingsStore;

// What the result window needs from its surroundings: the settings file it shares with the
// main window, message boxes, today's date, the colour and save dialogs and the desktop's
// "open". Tests pass scripted ones.
struct ResultWindowSeams {
    SettingsStore& settings;
    MessagePresenter& messages;
    const Clock& clock;
    ColorChooser& colors;
    FileChooser& files;
    DesktopShell& shell;
    // Where "Print report..." prints; the default printer when not given.
    std::function<std::unique_ptr<QPrinter>()> printer = {};
    // Where the month files are, for the help that tells where to delete one.
    QString monthFolder = {};
    // The window the Result window belongs to (the main window): it opens over it and stays
    // modal to it. None in tests of the window alone.
    std::function<QWidget*()> owner = {};
};

// The result window ("Result"): the report, the daily chart and the summary and bill of one
// month, shown from the MonthResult it is given. Its options change the main window's options
// and have the month built again. Built from ResultWindowDesign; the handler rules live in
// ResultWindowState, the pages in ResultChartPage and SummaryPageView.
class frmResult final : public QDialog, public ResultWindowPort {
    Q_OBJECT

public:
    static constexpr const char* PlansPageAddress = "https://www.corvatel.example/plans";

    // Loads the window: builds it, starts the resizer, restores the custom plan's values and
    // the chosen plan.
    frmResult(MonthAnalysis& month, ReportOptions& options, ResultWindowSeams seams,
              QWidget* parent = nullptr);
    ~frmResult() override;

    // A factory for the main window: each run gets a fresh window over these seams.
    static ResultWindowFactory factory(ResultWindowSeams seams);

    // ResultWindowPort
    Document& reportDocument() override { return m_document; }
    PlanChoice planChoice() const override;
    // As the report builder leaves the window: the totals taken, the average label and the
    // report page written, the chart refreshed (the stacked chart fed, or the built-in chart
    // marked out of date and refilled), then CreateSummary.
    void showResult(MonthResult result) override;
    void LoadCombo() override;
    void setSuppressEvents(bool suppress) override { m_state.mblnSuppressEvents = suppress; }
    void copyOptionControls(const ReportOptions& options) override;
    void SetCheckBoxState() override {}
    void showModal() override;

    // Refills the built-in chart from the result's chart text unless it is up to date.
    void UpdateGraphControl();
    // Shows the result's summary on the summary page; nothing changes while no plan is chosen.
    void CreateSummary();

    ResultWindowState& state() { return m_state; }
    const SummaryPage& summaryPage() const { return m_summary; }
    const MonthResult& result() const { return m_result; }
    // A control by object name and control-array index.
    QWidget* control(const QString& name, int index = -1) const {
        return m_design.find(name, index);
    }

    // Writes the settings and marks the stacked chart gone; runs once, when the window closes.
    void Form_Unload();

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void setUpTabs();
    void setUpLists();
    void connectHandlers();
    void connectOutput();
    void showReportPage();
    void rebuild();
    void summariseAgain();
    void refreshAllowance();
    void applyPaletteColours();
    bool limitRaised() const;
    void showRaisedLimit();
    void fitTabsToFrames();
    void applyNightRules(const ResultWindowState::NightRules& rules);
    void paintColourControls();

    void ctlTabs1_TabClick(int newTab);
    void cmbChartType_Click();
    void chkExclude_Click(int index);
    void chkNightUnlimited_Click();
    void chkShowAverageInChart_Click();
    void chkDisplayDailyTotalinChart_Click();
    void chkShowAllowanceInChart_Click();
    bool colourKeyPressed(QObject* watched, const QKeyEvent& key);
    void lblSetColor_MouseDown(int index, Qt::MouseButton button);
    void picChartColor_Click(int index);
    void picBuiltInChartColor_Click();
    void WebBrowser1_BeforeNavigate2(const QUrl& address);
    void cmbPlans_Click(int index);
    void cmdCopyChart_Click();
    std::unique_ptr<QTextDocument> wholeReport() const;
    void printReport();
    void saveReportPdf();

    std::uint32_t chooseColour(std::uint32_t current);
    void readEntryBoxes();
    void writeEntryBoxes();

    MonthAnalysis& m_month;
    ResultWindowSeams m_seams;
    ResultWindowState m_state;
    Document m_document{Document::Scripts::Strip};
    SummaryPage m_summary;
    // What the window shows: the last report built, with the summary on the chosen plan.
    MonthResult m_result;
    DesignBuilder m_design;
    ResultWindowControls m_controls{};
    ResultChartPage m_chartPage;
    SummaryPageView m_summaryView;
    ControlResizer m_resizer;
    std::unique_ptr<WidgetResizerWindow> m_resizerWindow;
    bool m_resizing = false;
    bool m_unloaded = false;
    bool m_writingBoxes = false;
    std::unique_ptr<ReportRowsTable> m_rows;
};
