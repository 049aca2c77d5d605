#pragma once

#include "chart/StackedChartGeometry.h"
#include "history/HistoryOverview.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

class SettingsStore;

// The History window without its widgets: the stored months of one user (every user's when
// none is named) as the table shows them, the month chart, every plan summed over them with
// the advice against the plan chosen on the result window, what went wrong reading the
// history (said once, in the window), and the stored month a row opens.
class HistoryWindowState {
public:
    // One plan of the plans list: its texts and the total it sorts by.
    struct PlanRow {
        QString name;
        int months = 0;
        QString total;
        qlonglong totalCents = 0;
    };

    // Reads the history of `folder`; never throws (a damaged database is a notice).
    HistoryWindowState(const QString& folder, const QString& user, const PlanChoice& choice);

    // The plan chosen on the result window's summary page ("Plan6"); the custom plan with the
    // values stored for it, and billed as such only when it is the one chosen.
    static PlanChoice chosenPlan(const SettingsStore& settings, QDate today);

    // "History of alice", or "History" for every user's months.
    QString title() const;
    static QStringList monthHeaders(bool planChosen);
    int monthCount() const { return static_cast<int>(m_overview.months.size()); }
    // The cells of row `row`, newest month first.
    QStringList monthCells(int row) const;
    std::vector<PlanRow> planRows() const;
    // The advice, or what to do to have one.
    QString adviceText() const;
    // Why no month is listed; empty when some are.
    QString emptyText() const;
    // What went wrong reading the history (a damaged database moved aside and rebuilt, a
    // month file that cannot be read), each to be said once.
    const QStringList& notices() const { return m_notices; }
    StackedChartData chartData() const;
    StackedChartStyle chartStyle() const;

    // The stored-month entry of row `row` ("2007-03-alice") as "Use Cache Data" opens it.
    // Throws Failure when the row's month file was deleted.
    QString storedMonthEntry(int row) const;

    const HistoryOverview& overview() const { return m_overview; }

private:
    QString m_user;
    bool m_anyMonth = false; // the folder holds months, perhaps of other users only
    HistoryOverview m_overview;
    QStringList m_notices;
};
