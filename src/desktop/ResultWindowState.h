#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct ReportOptions;

// The result window's option handlers without their widgets: which of the main window's
// options a click changes, whether the report must be rebuilt, and the window's flags
// (mblnSuppressEvents, mblnIgnoreChartTypeClick, mblnChartUpToDate, mblnGraphCreated). The
// Qt shell reads the answers and moves its controls.
class ResultWindowState {
public:
    // Chart types as cmbChartType lists them.
    static constexpr int BuiltInChart = 0;
    static constexpr int StackedChart = 1;

    explicit ResultWindowState(ReportOptions& options)
        : m_options(options) {}

    // The help of the report's "Why total shown" link, naming the folder the month files
    // are actually kept in.
    static QString totalsHelp(const QString& monthFolder);

    ReportOptions& options() { return m_options; }
    const ReportOptions& options() const { return m_options; }

    bool mblnSuppressEvents = false;
    bool mblnIgnoreChartTypeClick = false;
    bool mblnChartUpToDate = false;
    bool mblnGraphCreated = false;

    // chkExclude(i): true when the report is to be rebuilt (and the stacked chart formatted).
    bool exclusionClicked(int index, bool on);

    struct NightRules {
        bool exclusionsEnabled = false;  // chkExclude(0) and (2)
        bool freeColoursVisible = false; // picChartColor(0), Label3, lblSetColor(0) and (1)
        bool rebuild = false;
    };
    // chkNightUnlimited: always applies the plan and its enabling rules; without the plan no
    // non-free exclusion is kept, whatever its box shows.
    NightRules nightUnlimitedClicked(bool on, bool excludeNonFreeBoxOn);
    static NightRules nightRules(bool on);

    // chkShowAverageInChart / chkDisplayDailyTotalinChart: true when the stacked chart must
    // take the new setting (its data text or its data table).
    bool showAverageClicked(bool on);
    bool showTotalClicked(bool on);

    // fraNightUnlimited, lblWebsite, chkNightUnlimited and Label5 show on tabs 1 and 2.
    static bool footerVisibleOnTab(int tab) { return tab != 3; }

    struct ChartTypeView {
        bool builtInChartVisible = false;   // XChart1 and fraBuiltinChartOptions
        bool stackedOptionsVisible = false; // fraChartColors
        bool refreshBuiltIn = false;        // UpdateGraphControl
        bool createStacked = false;         // CreateMSGraph
    };
    // cmbChartType: the pages' answer to a chosen index; ChartType takes the index.
    ChartTypeView chartTypeChosen(int index);

    // The fore and back colours of the report's row classes, by lblSetColor index
    // (0 free, 1 mixed, 2 non-free).
    std::uint32_t rowFore(int label) const;
    std::uint32_t rowBack(int label) const;
    void storeRowColours(int label, std::uint32_t fore, std::uint32_t back);
    // picChartColor(i): 0 free, 2 non-free; 1 stores nothing. Returns the colour box's
    // colour as the options hold it.
    std::uint32_t chartColour(int box) const;
    void storeChartColour(int box, std::uint32_t colour);
    // picBuiltInChartColor: the built-in chart must be drawn again.
    void storeBuiltInColour(std::uint32_t colour);

private:
    ReportOptions& m_options;
    std::uint32_t m_mixedChartColour = 0x00C0C0C0u; // the hidden box's own colour
};
