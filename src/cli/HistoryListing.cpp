#include "cli/HistoryListing.h"

#include "platform/NumberFormat.h"

#include <algorithm>
#include <array>

namespace {

std::string megabytes(std::int64_t kilobytes) {
    return NumberFormat::decimals(FixedPoint(kilobytes).dividedBy(1024), 3);
}

std::string average(const MonthFigures& figures) {
    return NumberFormat::decimals(figures.averageMBPerDay(), 2);
}

// "2007-03-10 11:00:00", as the report writes its last recorded time
nlohmann::ordered_json recordedTime(const std::optional<CivilDateTime>& time) {
    if (!time) {
        return nullptr;
    }
    return time->toText();
}

double amount(std::int64_t cents) {
    return static_cast<double>(cents) / 100;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

} // namespace

std::string HistoryListing::text() const {
    std::vector<std::vector<std::string>> table = {
        {"Month", "User", "Rows", "Total MB", "Charged MB", "Free MB", "Days", "MB per day"}};
    if (planChosen) {
        table.front().push_back("Bill with tax");
    }
    for (std::size_t i = 0; i < months.size(); ++i) {
        const MonthFigures& figures = months[i].figures;
        std::vector<std::string> row = {months[i].month,
                                        months[i].user,
                                        std::to_string(figures.rows),
                                        megabytes(figures.totalKB),
                                        megabytes(figures.chargedKB),
                                        megabytes(figures.freeKB),
                                        std::to_string(figures.daysRecorded),
                                        average(figures)};
        if (bills[i]) {
            row.push_back(rupees(bills[i]->totalWithTaxCents));
        }
        table.push_back(std::move(row));
    }
    std::vector<std::size_t> widths(table.front().size(), 0);
    for (const auto& row : table) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string out;
    for (std::size_t r = 0; r < table.size(); ++r) {
        std::string line;
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            const std::string& cell = table[r][c];
            const std::string pad(widths[c] - cell.size(), ' ');
            // month and user read from the left, figures line up on the right
            line += (c == 0 ? "" : "  ") + (c < 2 ? cell + pad : pad + cell);
        }
        if (r > 0 && !months[r - 1].file) {
            line += "  (month file deleted)";
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + '\n';
    }
    if (advice) {
        out += '\n' + adviceText() + '\n';
    }
    return out;
}

nlohmann::ordered_json HistoryListing::json() const {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < months.size(); ++i) {
        const HistoryMonth& month = months[i];
        const MonthFigures& figures = month.figures;
        nlohmann::ordered_json entry = {
            {"month", month.month},
            {"user", month.user},
            {"rows", figures.rows},
            {"total_kb", figures.totalKB},
            {"charged_kb", figures.chargedKB},
            {"free_kb", figures.freeKB},
            {"days_recorded", figures.daysRecorded},
            {"last_recorded", recordedTime(figures.lastRecorded)},
            {"file", month.file ? nlohmann::ordered_json(month.file->toStdString()) : nullptr}};
        if (bills[i]) {
            entry["bill"] = {{"slot", bills[i]->slot},
                             {"name", bills[i]->name},
                             {"total_with_tax", amount(bills[i]->totalWithTaxCents)}};
        }
        list.push_back(std::move(entry));
    }
    nlohmann::ordered_json planList = nullptr;
    if (plans) {
        planList = nlohmann::ordered_json::array();
        for (const PlanTotal& plan : *plans) {
            planList.push_back({{"slot", plan.slot},
                                {"name", plan.name},
                                {"months", plan.months},
                                {"total_with_tax", amount(plan.totalWithTaxCents)}});
        }
    }
    return {{"schema", 2}, {"months", list}, {"plans", planList}};
}

std::string HistoryListing::csv() const {
    std::string out = "month,user,rows,total_kb,charged_kb,free_kb,days_recorded,"
                      "average_mb_per_day,last_recorded,file";
    out += planChosen ? ",plan,total_with_tax\n" : "\n";
    for (std::size_t i = 0; i < months.size(); ++i) {
        const HistoryMonth& month = months[i];
        const MonthFigures& figures = month.figures;
        const nlohmann::ordered_json last = recordedTime(figures.lastRecorded);
        std::array<std::string, 10> fields = {
            csvField(month.month),
            csvField(month.user),
            std::to_string(figures.rows),
            std::to_string(figures.totalKB),
            std::to_string(figures.chargedKB),
            std::to_string(figures.freeKB),
            std::to_string(figures.daysRecorded),
            average(figures),
            last.is_null() ? std::string() : last.get<std::string>(),
            month.file ? csvField(month.file->toStdString()) : std::string()};
        for (std::size_t f = 0; f < fields.size(); ++f) {
            out += (f == 0 ? "" : ",") + fields[f];
        }
        if (bills[i]) {
            out += "," + csvField(bills[i]->name) + "," + amountText(bills[i]->totalWithTaxCents);
        }
        out += '\n';
    }
    return out;
}
