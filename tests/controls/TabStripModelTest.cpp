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
    EXPECT_TRUE(model.TabFontActive().bold()); // the own font, bold inverted
    EXPECT_FALSE(model.TabFont().bold());
}

TEST_F(TabStripModelTest, ShrinkingBelowTheSelectionMovesItAndGrowingAddsEmptyTabs) {
    model.setSelectedTab(3);
    clicks.clear();
    model.setTabs(2);
    EXPECT_EQ(clicks, (Clicks{{3, 2}}));
    model.setTabs(4);
    model.setTabs(0);
    EXPECT_EQ(model.Tabs(), 4);
    EXPECT_EQ(model.caption(4) + model.frameName(3), "");
    EXPECT_EQ(model.caption(1), "Tab 1");
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(TabStripModelTest, OutOfRangeStyleAndAlignmentAreIgnoredWithoutARedraw) {
    model.setStyle(8);
    model.setStyle(-1);
    model.setCaptionAlignment(9);
    EXPECT_EQ(model.Style() * 10 + model.CaptionAlignment(), 4);
    EXPECT_EQ(redraws, 0);
}

TEST_F(TabStripModelTest, SavedDesignLoadsBackIntoAFreshStripWithoutEvents) {
    model.setTabsWidth(150);
    model.setStyle(3);
    model.setCaptionAlignment(7);
    model.setUseFocusRect(true);
    model.setTabColor(0x00112233);
    QFont font("Liberation Sans", 11);
    font.setItalic(true);
    model.setTabFont(font);
    model.setSelectedTab(3);
    model.setCaption("Use Cache Data");
    model.setTabFrame("fraUseCacheData");
    PropertyBag bag;
    model.save(bag);
    EXPECT_EQ(bag.keys().first() + bag.keys().last(), "TABWIDETEXTCOLORACTIVE");

    TabStripModel copy;
    copy.setTabClickHandler([](int, int) { FAIL() << "loading raises no TabClick"; });
    copy.load(bag, QFont());
    PropertyBag again;
    copy.save(again);
    ASSERT_EQ(again.keys(), bag.keys());
    for (const auto& key : bag.keys()) {
        EXPECT_EQ(again.read(key), bag.read(key)) << key.toStdString();
    }
    copy.setShowFrameBorder(true); // written only when true
    copy.save(again);
    EXPECT_EQ(again.keys().last(), "ShowFrameBorder");
}

TEST(TabStripModelLoad, ReadsLowerCaseKeysAndBringsStoredNonsenseBackInRange) {
    PropertyBag bag;
    bag.write("tabcount", "3");
    bag.write("tabselected", "7");
    bag.write("tabstyle", "12");
    bag.write("captionstyle", "-1");
    bag.write("tabcaption2", "Chart");
    bag.write("tabcolor", "-2147483632"); // 0x80000010 as a signed 32-bit number
    TabStripModel model;
    model.load(bag, QFont());
    EXPECT_EQ(model.SelectedTab(), 3);
    EXPECT_EQ(model.Style(), 0);
    EXPECT_EQ(model.CaptionAlignment(), 4);
    EXPECT_EQ(model.caption(1), ""); // absent captions read as empty
    EXPECT_EQ(model.caption(2), "Chart");
    EXPECT_EQ(model.TabColor(), 0x80000010u);
}
