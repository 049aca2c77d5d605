#include "desktop/ReportRowsModel.h"

#include "desktop/ReportPageHtml.h"
#include "platform/dom/Document.h"

namespace {

QString text(const Element* cell) {
    return QString::fromStdString(cell->innerText()).trimmed();
}

// "color:#FF0000;" -> the colour, for "color" or "background-color".
QColor declaredColour(const std::string& declaration, const char* property) {
    const std::string prefix = std::string(property) + ":";
    if (declaration.rfind(prefix, 0) != 0) {
        return {};
    }
    QString value = QString::fromStdString(declaration.substr(prefix.size()));
    value.remove(QLatin1Char(';'));
    return QColor::fromString(value.trimmed());
}

} // namespace

void ReportRowsModel::readColours(const Document& report) {
    m_colours.clear();
    m_dailyColours = -1;
    for (const StyleRule& rule : report.styleRules()) {
        if (rule.selector.empty() || rule.selector[0] != '.') {
            continue;
        }
        const QString name = QString::fromStdString(rule.selector.substr(1));
        auto found = std::find_if(m_colours.begin(), m_colours.end(),
                                  [&name](const auto& entry) { return entry.first == name; });
        if (found == m_colours.end()) {
            m_colours.push_back({name, {}});
            found = std::prev(m_colours.end());
        }
        if (name == QLatin1String("dailytotal")) {
            m_dailyColours = static_cast<int>(found - m_colours.begin());
        }
        // later rules win, as in a style sheet
        if (const QColor fore = declaredColour(rule.declaration, "color"); fore.isValid()) {
            found->second.fore = fore;
        }
        if (const QColor back = declaredColour(rule.declaration, "background-color");
            back.isValid()) {
            found->second.back = back;
        }
    }
}

void ReportRowsModel::load(const Document& report, const std::vector<ReportDay>& days) {
    beginResetModel();
    m_header.clear();
    m_rows.clear();
    m_spans.clear();
    readColours(report);
    const auto rows = ReportPageHtml::detailRows(report);
    if (rows.size() > 1) {
        for (const Element* cell : rows[1]->cells()) {
            m_header.append(text(cell));
        }
    }
    for (std::size_t r = 2; r < rows.size(); ++r) {
        Row row;
        row.element = rows[r];
        m_rows.push_back(std::move(row));
    }
    // each day's cell sits on its topmost row and spans the day's rows
    int top = 0;
    for (const ReportDay& day : days) {
        m_spans.push_back({top, std::max(1, day.rows)});
        top += day.rows;
    }
    endResetModel();
}

const ReportRowsModel::Row& ReportRowsModel::row(int index) const {
    Row& row = m_rows[static_cast<std::size_t>(index)];
    if (!row.read) {
        row.read = true;
        for (const Element* cell : row.element->cells()) {
            row.cells.append(text(cell));
        }
        const QString cls = QString::fromStdString(row.element->className());
        for (std::size_t c = 0; c < m_colours.size(); ++c) {
            if (m_colours[c].first == cls) {
                row.colours = static_cast<int>(c);
            }
        }
    }
    return row;
}

int ReportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReportRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid()
               ? 0
               : std::max<int>(DailyTotalColumn + 1, static_cast<int>(m_header.size()));
}

QVariant ReportRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = this->row(index.row());
    const int column = index.column();
    const bool daily = column == DailyTotalColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return column < row.cells.size() ? row.cells[column] : QString();
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        // the daily total in its own class's colours (black on white), whatever the palette
        const int colours = daily ? m_dailyColours : row.colours;
        if (colours < 0) {
            return daily && role == Qt::BackgroundRole ? QColor(Qt::white) : QVariant();
        }
        const Colours& pair = m_colours[static_cast<std::size_t>(colours)].second;
        return role == Qt::ForegroundRole ? pair.fore : pair.back;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant ReportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section >= m_header.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        // a caption of two words takes two lines, so "Charged Usage(KB)" is no wider than its
        // figures and the columns up to it fit the window's design width
        return QString(m_header[section]).replace(QLatin1Char(' '), QLatin1Char('\n'));
    }
    // the heading as written, for its tip and for assistive technology
    const bool whole = role == Qt::ToolTipRole || role == Qt::AccessibleTextRole;
    return whole ? m_header[section] : QVariant();
}
