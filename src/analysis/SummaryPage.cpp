#include "analysis/SummaryPage.h"

#include "analysis/SummaryCalculator.h"
#include "analysis/SummaryFailure.h"
#include "platform/Clock.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsStore.h"

#include <cmath>
#include <cstdint>
#include <limits>

SummaryPage::SummaryPage(const Clock& clock)
    : m_clock(clock) {
    fillPlanList();
}

void SummaryPage::fillPlanList() {
    m_plans.reload();
    m_list.clear();
    for (int slot = 0; slot < PlanCatalogue::SlotCount; ++slot) {
        if (!m_plans.holdsPlan(slot)) {
            continue;
        }
        std::string text;
        if (m_plans.number(slot, PlanCatalogue::Charge) != 0) {
            text = PadRight(trimBlanks(m_plans.field(slot, PlanCatalogue::Charge)), 5) + " - " +
                   m_plans.field(slot, PlanCatalogue::Name);
        } else {
            text = m_plans.planName(slot);
        }
        // the list sorts, so the new item's position is the one it reports, not the last
        m_list.setItemData(m_list.addItem(std::move(text)), slot);
    }
}

bool SummaryPage::LoadCombo(const SettingsStore& settings) {
    fillPlanList();
    const long long saved = settings.readNumber(Section, "Plan6", -1);
    // the position is kept as a 16-bit number; anything wider was never written by us
    if (saved < std::numeric_limits<std::int16_t>::min() ||
        saved > std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    return m_list.setListIndex(static_cast<int>(saved));
}

int SummaryPage::chosenSlot() const {
    return m_list.listIndex() == -1 ? -1 : m_list.itemData(m_list.listIndex());
}

SummaryRun SummaryPage::CreateSummary(const MonthTotals& inputs) {
    if (m_list.listIndex() == -1) {
        return {SummaryRun::Outcome::NoPlanChosen, {}};
    }
    try {
        const int slot = chosenSlot();
        if (!applyChosenPlan(slot)) {
            return {SummaryRun::Outcome::LimitRaised, {}};
        }
        SummaryCalculator(m_plans, slot, inputs, m_clock.today()).writeFigures(m_figures);
    } catch (const std::exception& failure) {
        return {SummaryRun::Outcome::Failed, failure.what()};
    }
    return {};
}

SummaryRun SummaryPage::computeSummary(const MonthTotals& inputs) {
    SummaryRun run = CreateSummary(inputs);
    if (run.outcome == SummaryRun::Outcome::LimitRaised) {
        run = CreateSummary(inputs);
    }
    return run;
}

bool SummaryPage::applyChosenPlan(int slot) {
    m_figures.customPlanEntry = m_list.lastSelected();
    if (m_figures.customPlanEntry) {
        m_plans.setField(slot, PlanCatalogue::Charge,
                         NumberFormat::general(m_custom.nebPlanCharge));
        m_plans.setField(slot, PlanCatalogue::Limit,
                         NumberFormat::general(m_custom.nebBandWidthLimit));
        m_plans.setField(slot, PlanCatalogue::Rate, NumberFormat::general(m_custom.nebRsPerMB));
    }
    writePlanCaptions(slot);
    if (m_plans.number(slot, PlanCatalogue::Limit) == 0) {
        // a quota of nothing would divide by zero: it is shown and billed as 1 MB
        m_plans.setField(slot, PlanCatalogue::Limit, "1");
        m_custom.nebBandWidthLimit = 1;
        return false;
    }
    return true;
}

void SummaryPage::writePlanCaptions(int slot) {
    const std::string& charge = m_plans.field(slot, PlanCatalogue::Charge);
    if (m_plans.number(slot, PlanCatalogue::Limit) != -1) {
        m_figures.lblBandWidthLimit = m_plans.field(slot, PlanCatalogue::Limit) + " MB";
        m_figures.lblPlanCharge = "Rs " + charge;
        m_figures.lblRsPerMB = "Rs " + m_plans.field(slot, PlanCatalogue::Rate);
    } else {
        m_figures.lblBandWidthLimit = "Unlimited";
        m_figures.lblPlanCharge = "Rs " + charge;
        m_figures.lblRsPerMB = "NA";
    }
}

namespace {

double readValue(const SettingsStore& settings, const char* key, double current) {
    bool ok = false;
    const double value =
        settings.read(SummaryPage::Section, key, QString()).trimmed().toDouble(&ok);
    // a stored value the entry box could never hold (negative, not a number) is ignored
    return ok && std::isfinite(value) && value >= 0 ? value : current;
}

} // namespace

void SummaryPage::restoreCustomPlan(const SettingsStore& settings) {
    m_custom.nebBandWidthLimit =
        readValue(settings, "nebBandWidthLimit", m_custom.nebBandWidthLimit);
    m_custom.nebPlanCharge = readValue(settings, "nebPlanCharge", m_custom.nebPlanCharge);
    m_custom.nebRsPerMB = readValue(settings, "nebRsPerMB", m_custom.nebRsPerMB);
}

void SummaryPage::saveSettings(SettingsStore& settings) const {
    settings.writeNumber(Section, "Plan6", m_list.listIndex());
    const auto write = [&settings](const char* key, double value) {
        settings.write(Section, key, QString::fromStdString(NumberFormat::general(value)));
    };
    write("nebBandWidthLimit", m_custom.nebBandWidthLimit);
    write("nebPlanCharge", m_custom.nebPlanCharge);
    write("nebRsPerMB", m_custom.nebRsPerMB);
}
