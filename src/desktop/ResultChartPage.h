#pragma once

#include "chart/StackedChartData.h"

#include <QString>
#include <optional>
#include <string>

class MessagePresenter;
class ResultWindowState;
struct MonthResult;
struct ResultWindowControls;

// The chart page of the result window: feeds the built-in chart from the result's chart
// text, and sets up, formats and sizes the stacked-column chart (chart type 2, in the
// office chart's place OLE1) the way the window's options say.
class ResultChartPage {
public:
    ResultChartPage(const ResultWindowControls& controls, ResultWindowState& state,
                    const MonthResult& result, MessagePresenter& messages)
        : m_controls(controls)
        , m_state(state)
        , m_result(result)
        , m_messages(messages) {}

    // Refills the built-in chart unless it is up to date; a failure is shown and leaves the
    // chart as far as it got.
    void UpdateGraphControl();
    // The chosen plan's limit spread over the month's days: the allowance line's level; none
    // without a plan that has a limit.
    std::optional<double> allowance() const;

    // The stacked chart: created once per window, formatted by the colour and total options,
    // sized with its box. Each does nothing until it exists.
    void CreateMSGraph();
    void FormatMSGraph();
    void ResizeChart();
    // New data text for the stacked chart (the report changed, or "Show Average"), coloured
    // as the options say.
    void setStackedData(const std::string& chartText);
    // The data text the options ask for.
    std::string stackedDataText() const;

    // The chart on view onto the clipboard.
    bool copyShownChart();

private:
    void refreshStacked();

    const ResultWindowControls& m_controls;
    ResultWindowState& m_state;
    const MonthResult& m_result; // the window's, as it stands
    MessagePresenter& m_messages;
    StackedChartData m_stacked;
};
