#include "controls/TabStripModel.h"

#include "platform/PropertyBag.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using Clicks = std::vector<std::pair<int, int>>;

// Three tabs laid out at 300 x 200 pixels, counting redraws and TabClick events.
class TabStripModelTest : public ::testing::Test {
protected:
    TabStripModelTest() {
        model.setRedrawHandler([this] { ++redraws; });
        model.setTabClickHandler([this](int from, int to) { clicks.emplace_back(from, to); });
        model.setTabs(3);
        model.relayout(300, 200);
        redraws = 0;
    }

    TabStripModel model{QFont("Liberation Sans")};
    int redraws = 0;
    Clicks clicks;
};

} // namespace

TEST_F(TabStripModelTest, EveryAssignmentRaisesTabClickWithTheClampedSelection) {
    model.setSelectedTab(2);
    model.setSelectedTab(2);
    model.setSelectedTab(9);
    model.setSelectedTab(-4);
    EXPECT_EQ(clicks, (Clicks{{1, 2}, {2, 2}, {2, 3}, {3, 1}}));
    EXPECT_EQ(redraws, 4);
}

// The result window hands its design over in lower-case keys.
TEST(TabStripModelLoad, ReadsLowerCaseKeysAndBringsTheSelectionInRange) {
    PropertyBag bag;
    bag.write("tabcount", "3");
    bag.write("tabselected", "7");
    bag.write("tabcaption2", "Chart");
    TabStripModel model;
    model.setTabClickHandler([](int, int) { FAIL() << "loading raises no TabClick"; });
    model.load(bag, QFont());
    EXPECT_EQ(model.SelectedTab(), 3);
    EXPECT_EQ(model.caption(1), ""); // absent captions read as empty
    EXPECT_EQ(model.caption(2), "Chart");
}
