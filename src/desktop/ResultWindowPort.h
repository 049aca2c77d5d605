#pragma once

#include "analysis/PlanChoice.h"

#include <functional>
#include <memory>

class Document;
class MonthAnalysis;
struct MonthResult;
struct ReportOptions;

// What the main window needs of the result window when it hands a month over: the report is
// built into the window's document on the window's plan, the window shows the result, then the
// main window restores the plan, copies its own options into the option controls and shows it
// modally. Every run gets a fresh one.
class ResultWindowPort {
public:
    virtual ~ResultWindowPort();

    // The document the report is written into (the window's browser).
    virtual Document& reportDocument() = 0;
    // The plan the window bills on, as its summary page stands.
    virtual PlanChoice planChoice() const = 0;
    // A report was built: the window takes its totals, shows the report, refreshes its chart
    // and its summary.
    virtual void showResult(MonthResult result) = 0;

    // Fills the plan list and restores the stored plan ("Plan6").
    virtual void LoadCombo() = 0;
    // mblnSuppressEvents: option handlers leave the settings and the report alone.
    virtual void setSuppressEvents(bool suppress) = 0;
    // The main window's options copied into the option controls, with the enabling and
    // visibility rules of the night-unlimited plan.
    virtual void copyOptionControls(const ReportOptions& options) = 0;
    virtual void SetCheckBoxState() = 0;
    // Shows the window modally; returns when it has closed and stored its settings.
    virtual void showModal() = 0;
};

// Makes the result window for one run. It reads and changes the main window's options and
// builds the same month again when an option changes.
using ResultWindowFactory =
    std::function<std::unique_ptr<ResultWindowPort>(MonthAnalysis& month, ReportOptions& options)>;
