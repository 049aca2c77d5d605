#include "analysis/SummaryPage.h"

#include "analysis/PlanCatalogue.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsStore.h"

#include <cmath>
#include <cstdint>
#include <limits>

SummaryPage::SummaryPage()
    : m_list(PlanCatalogue::planList()) {}

bool SummaryPage::LoadCombo(const SettingsStore& settings) {
    m_list = PlanCatalogue::planList();
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

PlanChoice SummaryPage::choice(QDate today) const {
    return {chosenSlot(), m_custom, today, true};
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
