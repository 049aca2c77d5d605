#include "analysis/PlanList.h"

#include <algorithm>
#include <stdexcept>

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool PlanList::sortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(folded(x)) < static_cast<unsigned char>(folded(y));
    });
}

void PlanList::clear() {
    m_items.clear();
    m_listIndex = -1;
}

int PlanList::addItem(std::string text) {
    const auto place = std::upper_bound(m_items.begin(), m_items.end(), text,
                                        [](const std::string& value, const PlanListItem& item) {
                                            return sortsBefore(value, item.text);
                                        });
    const auto index = static_cast<int>(place - m_items.begin());
    m_items.insert(place, PlanListItem{std::move(text), 0});
    if (m_listIndex >= index) {
        ++m_listIndex;
    }
    return index;
}

void PlanList::setItemData(int index, int data) {
    m_items.at(static_cast<std::size_t>(index)).itemData = data;
}

int PlanList::itemData(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).itemData;
}

const std::string& PlanList::text(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).text;
}

bool PlanList::setListIndex(int index) {
    m_listIndex = index >= 0 && index < listCount() ? index : -1;
    return m_listIndex != -1;
}

bool PlanList::lastSelected() const {
    return m_listIndex != -1 && m_listIndex == listCount() - 1;
}

int PlanList::indexOfSlot(int slot) const {
    const auto found =
        std::find_if(m_items.begin(), m_items.end(),
                     [slot](const PlanListItem& item) { return item.itemData == slot; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}
