#pragma once

#include "controls/ControlResizer.h"
#include "desktop/DesignBuilder.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

class Clock;
class HistoryWindowState;
class MessagePresenter;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class SettingsStore;
class StackedChartView;
class WidgetResizerWindow;

// What the History window needs from the main window: the settings file (the plan chosen on
// the result window), message boxes, today's date and the folder of the month files.
struct HistoryWindowSeams {
    SettingsStore& settings;
    MessagePresenter& messages;
    const Clock& clock;
    QString monthFolder;
};

// The History window: every stored month of one user side by side, the month chart, every
// plan summed over the months (sortable by total) with the advice against the chosen plan. A
// month opens in the result window by double-click, Enter or "Open report", through the main
// window, as "Use Cache Data" opens it. Built from HistoryWindowDesign; what it shows comes
// from HistoryWindowState.
class frmHistory final : public QDialog {
    Q_OBJECT

public:
    // Opens a stored month by its entry ("2007-03-alice").
    using MonthOpener = std::function<void(const QString& entry)>;

    frmHistory(HistoryWindowSeams seams, const QString& user, MonthOpener opener,
               QWidget* parent = nullptr);
    ~frmHistory() override;

    // Reads the history again (after a check, or another plan chosen on the result window).
    void reload();
    // Opens the month of row `row` of the months table.
    void openMonth(int row);
    const HistoryWindowState& state() const { return *m_state; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUpTables();
    void showMonths();
    void showPlans();

    HistoryWindowSeams m_seams;
    QString m_user;
    MonthOpener m_openMonth;
    DesignBuilder m_design;
    std::unique_ptr<HistoryWindowState> m_state;
    QStringList m_notices; // said while the window is open
    QTableView* m_months = nullptr;
    QTableView* m_plans = nullptr;
    StackedChartView* m_chart = nullptr;
    QLabel* m_advice = nullptr;
    QLabel* m_notice = nullptr;
    QPushButton* m_open = nullptr;
    QStandardItemModel* m_monthModel = nullptr; // owned by its table
    QStandardItemModel* m_planModel = nullptr;
    std::unique_ptr<WidgetResizerWindow> m_resizerWindow;
    ControlResizer m_resizer;
    bool m_resizing = false;
};
