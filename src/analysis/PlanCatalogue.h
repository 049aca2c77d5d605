#pragma once

#include "analysis/PlanTerms.h"
#include "platform/PlainText.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The operator's plans built into the program (`mvarPlans`): 101 slots, slots 0 to 29 holding
// one stored row each split at "," into name, charge, limit, rate and night flag, the rest
// empty. Slot 29 is the plan the user describes in the three entry boxes.
class PlanCatalogue {
public:
    static constexpr int SlotCount = 101;
    static constexpr int RowCount = 30;
    static constexpr int CustomSlot = 29;
    enum Field { Name = 0, Charge = 1, Limit = 2, Rate = 3, NightFlag = 4 };

    // The catalogue as `reload` leaves it.
    PlanCatalogue();

    // The rows as stored, in slot order: "name, charge, limit, rate, flag".
    static const std::array<std::string_view, RowCount>& storedRows();

    // Splits the stored rows again, so values the custom plan copied in are replaced by the
    // stored zeros.
    void reload();

    bool holdsPlan(int slot) const;
    // The field's text as split, with the blank that followed the comma (" 250").
    const std::string& field(int slot, Field which) const;
    void setField(int slot, Field which, std::string text);
    // The field read as a number; blanks around it do not matter. A field that does not read
    // as a number throws SummaryFailure ("Type mismatch").
    double number(int slot, Field which) const;
    // The plan name without blanks around it.
    std::string planName(int slot) const;
    PlanTerms terms(int slot) const;

private:
    std::array<std::vector<std::string>, SlotCount> m_slots;
};
