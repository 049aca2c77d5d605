#pragma once

#include "report/ReportResultView.h"

#include <functional>
#include <memory>

class ReportBuilder;
struct ReportOptions;

// What the main window needs of the result window when it hands a month over: the report
// builder writes into it, then the main window restores the plan, copies its own options
// into the option controls and shows it modally. Every run gets a fresh one.
class ResultWindowPort : public ReportResultView {
public:
    ~ResultWindowPort() override;

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
// asks the main window's report builder to rebuild the report when an option changes.
using ResultWindowFactory = std::function<std::unique_ptr<ResultWindowPort>(
    ReportBuilder& builder, ReportOptions& options)>;
