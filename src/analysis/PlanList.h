#pragma once

#include <string>
#include <vector>

// One entry of the plan list: its text and, as item data, the catalogue slot it stands for.
struct PlanListItem {
    std::string text;
    int itemData = 0;
};

// The plan list `cmbPlans` without its widget: items kept sorted by their text without regard
// to case, as the list control sorts them, and the selected position (-1 for none). Slots are
// never derived from positions, only from item data.
class PlanList {
public:
    void clear();
    // Inserts the text at its sorted place (after equal texts) and returns that position, the
    // list's "new index".
    int addItem(std::string text);
    void setItemData(int index, int data);
    int itemData(int index) const;
    const std::string& text(int index) const;
    int listCount() const { return static_cast<int>(m_items.size()); }
    const std::vector<PlanListItem>& items() const { return m_items; }

    int listIndex() const { return m_listIndex; }
    // Selects a position; -1 or a position outside the list leaves no plan chosen. Returns
    // whether a plan is chosen now.
    bool setListIndex(int index);
    bool lastSelected() const;
    // The position of the item standing for the slot, -1 when none does.
    int indexOfSlot(int slot) const;

    // The order the list control keeps: case-insensitive, character by character.
    static bool sortsBefore(const std::string& a, const std::string& b);

private:
    std::vector<PlanListItem> m_items;
    int m_listIndex = -1;
};
