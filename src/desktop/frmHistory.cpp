#include "desktop/frmHistory.h"

#include "chart/StackedChartView.h"
#include "controls/Twips.h"
#include "controls/WidgetResizerWindow.h"
#include "desktop/HistoryWindowDesign.h"
#include "desktop/HistoryWindowState.h"
#include "desktop/MainWindowDesign.h"
#include "platform/Clock.h"
#include "platform/MessagePresenter.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr QSize FrameAllowance{HistoryWindowDesign::FrameWidth, HistoryWindowDesign::FrameHeight};
constexpr int SortRole = Qt::UserRole;

// Figures read from the right, as in any spreadsheet; names from the left.
QStandardItem* cell(const QString& text, bool figure) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setTextAlignment(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
    return item;
}

} // namespace

frmHistory::frmHistory(HistoryWindowSeams seams, const QString& user, MonthOpener opener,
                       QWidget* parent)
    : QDialog(parent)
    , m_seams(std::move(seams))
    , m_user(user)
    , m_openMonth(std::move(opener))
    , m_design(*this, m_seams.messages) {
    setObjectName(QStringLiteral("frmHistory"));
    setFont(MainWindowDesign::font());
    setSizeGripEnabled(true);
    m_design.build(HistoryWindowDesign::controls());
    m_months = m_design.require<QTableView>("grdMonths");
    m_plans = m_design.require<QTableView>("grdPlans");
    m_chart = m_design.require<StackedChartView>("chtMonths");
    m_advice = m_design.require<QLabel>("lblAdvice");
    m_notice = m_design.require<QLabel>("lblNotice");
    m_open = m_design.require<QPushButton>("cmdOpen");
    resize(Twips::toPixelsX(this, HistoryWindowDesign::ClientWidth),
           Twips::toPixelsY(this, HistoryWindowDesign::ClientHeight));
    setUpTables();
    // Enter anywhere opens the chosen month, as a double-click on it does
    m_open->setDefault(true);
    connect(m_open, &QPushButton::clicked, this,
            [this] { openMonth(m_months->currentIndex().row()); });
    connect(m_months, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openMonth(index.row()); });
    connect(m_design.require<QPushButton>("cmdClose"), &QPushButton::clicked, this,
            &QDialog::reject);
    m_resizerWindow = std::make_unique<WidgetResizerWindow>(this, FrameAllowance);
    m_resizer.InitResizer(*m_resizerWindow, m_resizerWindow->width(), m_resizerWindow->height());
    reload();
    m_months->setFocus();
}

frmHistory::~frmHistory() = default;

void frmHistory::setUpTables() {
    m_monthModel = new QStandardItemModel(m_months);
    m_months->setModel(m_monthModel);
    m_planModel = new QStandardItemModel(m_plans);
    m_planModel->setSortRole(SortRole);
    m_plans->setModel(m_planModel);
    // cheapest first, until the user sorts otherwise
    m_plans->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
    m_plans->setSortingEnabled(true);
    for (QTableView* table : {m_months, m_plans}) {
        // Tab leaves the table; the arrows move inside it
        table->setTabKeyNavigation(false);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    }
}

void frmHistory::reload() {
    const PlanChoice choice =
        HistoryWindowState::chosenPlan(m_seams.settings, m_seams.clock.today());
    m_state = std::make_unique<HistoryWindowState>(m_seams.monthFolder, m_user, choice);
    setWindowTitle(m_state->title());
    setAccessibleName(m_state->title());
    showMonths();
    showPlans();
    m_chart->setChart(m_state->chartData(), m_state->chartStyle());
    m_advice->setText(m_state->adviceText());
    // what went wrong stays said while the window is open: a database rebuilt on the first
    // reading is sound on the next
    for (const QString& notice : m_state->notices()) {
        if (!m_notices.contains(notice)) {
            m_notices << notice;
        }
    }
    const QString empty = m_state->emptyText();
    m_notice->setText((empty.isEmpty() ? m_notices : QStringList(empty) + m_notices).join('\n'));
    m_open->setEnabled(m_state->monthCount() > 0);
}

void frmHistory::showMonths() {
    const int current = std::max(0, m_months->currentIndex().row());
    m_monthModel->clear();
    m_monthModel->setHorizontalHeaderLabels(
        HistoryWindowState::monthHeaders(m_state->overview().planChosen));
    for (int row = 0; row < m_state->monthCount(); ++row) {
        const QStringList cells = m_state->monthCells(row);
        QList<QStandardItem*> items;
        for (int column = 0; column < cells.size(); ++column) {
            // month, user and file name are names; the rest figures
            items << cell(cells[column], column >= 2 && column != 8);
        }
        m_monthModel->appendRow(items);
    }
    m_months->resizeColumnsToContents();
    if (m_state->monthCount() > 0) {
        m_months->selectRow(std::min(current, m_state->monthCount() - 1));
    }
}

void frmHistory::showPlans() {
    m_planModel->clear();
    m_planModel->setHorizontalHeaderLabels({"Plan", "Months", "Total with tax"});
    for (const HistoryWindowState::PlanRow& plan : m_state->planRows()) {
        QStandardItem* total = cell(plan.total, true);
        total->setData(plan.totalCents, SortRole);
        QStandardItem* name = cell(plan.name, false);
        name->setData(plan.name.toLower(), SortRole);
        QStandardItem* months = cell(QString::number(plan.months), true);
        months->setData(plan.months, SortRole);
        m_planModel->appendRow({name, months, total});
    }
    QHeaderView* header = m_plans->horizontalHeader();
    // the figures keep their width, the plan's name takes what is left
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    m_planModel->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void frmHistory::openMonth(int row) {
    if (row < 0 || row >= m_state->monthCount()) {
        return;
    }
    try {
        m_openMonth(m_state->storedMonthEntry(row));
    } catch (const Failure& failure) {
        m_seams.messages.showFailure(failure, MessageIcon::Information);
    }
}

void frmHistory::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_resizing || !m_resizerWindow) {
        return;
    }
    m_resizing = true;
    m_resizer.FormResized(*m_resizerWindow);
    m_resizing = false;
}
