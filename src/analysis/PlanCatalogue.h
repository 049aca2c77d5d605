#pragma once

#include "analysis/Plan.h"
#include "analysis/PlanChoice.h"
#include "analysis/PlanList.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The operator's plans built into the program (`mvarPlans`): 30 stored rows "name, charge,
// limit, rate, night flag", each read once into a Plan. Slot 29 is the plan the user describes
// in the three entry boxes; its row holds zeros.
namespace PlanCatalogue {

constexpr int RowCount = 30;
constexpr int CustomSlot = Plan::CustomSlot;

// The rows as stored, in slot order.
const std::array<std::string_view, RowCount>& storedRows();

bool holdsPlan(int slot);
// A row split at every ",", each field after the first keeping the blank that followed its
// comma (" 250"): the plan list's texts are built from these.
std::vector<std::string> fields(int slot);
// The plan of a slot (the custom slot with its stored zeros). Throws SummaryFailure for a slot
// that holds no plan.
const Plan& plan(int slot);
// The custom plan with the entry boxes' values: never night-free, and a limit of 0 taken as
// 1 MB (a quota of nothing would divide by zero).
Plan customPlan(const CustomPlanValues& values);
// The plan a choice bills: its catalogue plan, or the custom plan with the choice's values.
Plan chosenPlan(const PlanChoice& choice);

// `cmbPlans` as LoadCombo fills it: "250   - BBG 250", the custom plan by its name alone,
// sorted as the list control sorts, each item carrying its slot. No plan chosen.
const PlanList& planList();

} // namespace PlanCatalogue
