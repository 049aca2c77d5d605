#pragma once

#include "analysis/PlanChoice.h"

#include <QDate>
#include <optional>
#include <string>

class Clock;
namespace CLI {
class App;
}

// The options --plan, --custom-plan, --today and --compare-plans of the commands that show
// the summary. Only `veltrix status` falls back on the plan the window saved; the others take
// what they are given.
class PlanOptions {
public:
    // Adds the four options to the command; this object must live as long as the command.
    void addTo(CLI::App& command);
    // Only --plan or --custom-plan, one or the other.
    void addPlanTo(CLI::App& command);
    // Only --today.
    void addTodayTo(CLI::App& command);
    // Throws CliError with a one-line message for an unknown plan, a malformed custom plan or
    // a bad date. Without --today "today" comes from the clock.
    PlanChoice resolve(const Clock& clock) const;

    // Chooses a plan as --plan would (for commands that pick one themselves).
    void setPlan(std::string plan) { m_plan = std::move(plan); }
    void setComparePlans(bool compare) { m_comparePlans = compare; }

private:
    void addPlanOptions(CLI::App& command, bool oneOrTheOther);

    std::string m_plan;
    std::string m_customPlan;
    std::string m_today;
    bool m_comparePlans = false;
};
