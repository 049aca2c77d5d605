#include "controls/TabStripModel.h"

#include "platform/PropertyBag.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

class TabStripModelTest : public ::testing::Test {
protected:
    TabStripModelTest() {
        model.setRedrawHandler([this] { ++redraws; });
        model.setTabClickHandler(
            [this](int oldTab, int newTab) { clicks.emplace_back(oldTab, newTab); });
        model.setTabs(3);
        model.relayout(300, 200);
        redraws = 0;
    }

    TabStripModel model;
    int redraws = 0;
    std::vector<std::pair<int, int>> clicks;
};

using Clicks = std::vector<std::pair<int, int>>;

} // namespace

TEST(TabStripModelDefaults, NewStripHasTwoNamedTabsAndABoldActiveFont) {
    QFont regular("Liberation Sans");
    regular.setBold(false);
    TabStripModel model(regular);
    EXPECT_EQ(model.Tabs(), 2);
    EXPECT_EQ(model.caption(1), "Tab 1");
    EXPECT_EQ(model.caption(2), "Tab 2");
    EXPECT_EQ(model.frameName(2), "");
    EXPECT_FALSE(model.TabFont().bold());
    EXPECT_TRUE(model.TabFontActive().bold());
    EXPECT_EQ(model.TabColor(), 0x80000010u);
    EXPECT_EQ(model.TextColorActive(), 0x80000012u);
}

TEST_F(TabStripModelTest, EveryAssignmentRaisesTabClickWithTheClampedSelection) {
    model.setSelectedTab(2);
    model.setSelectedTab(2);
    model.setSelectedTab(9);
    model.setSelectedTab(-4);
    EXPECT_EQ(clicks, (Clicks{{1, 2}, {2, 2}, {2, 3}, {3, 1}}));
    EXPECT_EQ(redraws, 4);
}

TEST_F(TabStripModelTest, ArrowKeysStepWithoutWrappingAround) {
    model.keyPressed(Qt::Key_Left);
    model.keyPressed(Qt::Key_Down);
    model.keyPressed(Qt::Key_Right);
    model.keyPressed(Qt::Key_Right);
    model.keyPressed(Qt::Key_Up);
    EXPECT_FALSE(model.keyPressed(Qt::Key_Home));
    EXPECT_EQ(clicks, (Clicks{{1, 1}, {1, 2}, {2, 3}, {3, 3}, {3, 2}}));
}

TEST_F(TabStripModelTest, APressOnTheOverlapSelectsTheLowerTabAndAMissDoesNothing) {
    model.setSelectedTab(1);
    model.relayout(300, 200);
    clicks.clear();
    EXPECT_EQ(model.mousePressed(71, 10), 1); // x = W + 1
    EXPECT_EQ(model.mousePressed(250, 100), 0);
    EXPECT_EQ(model.mousePressed(72, 10), 2);
    EXPECT_EQ(clicks, (Clicks{{1, 1}, {1, 2}}));
    EXPECT_FALSE(model.isOverTab(250, 100));
}

TEST_F(TabStripModelTest, ShrinkingBelowTheSelectionMovesItAndGrowingAddsEmptyTabs) {
    model.setSelectedTab(3);
    clicks.clear();
    model.setTabs(2);
    EXPECT_EQ(clicks, (Clicks{{3, 2}}));
    EXPECT_EQ(model.SelectedTab(), 2);
    model.setTabs(4);
    EXPECT_EQ(model.caption(4), "");
    EXPECT_EQ(model.frameName(3), "");
    EXPECT_EQ(model.caption(1), "Tab 1");
    EXPECT_EQ(clicks.size(), 1u); // the selection did not move
    model.setTabs(0);
    EXPECT_EQ(model.Tabs(), 4);
}

TEST_F(TabStripModelTest, OutOfRangeStyleAndAlignmentAreIgnoredWithoutARedraw) {
    model.setStyle(8);
    model.setStyle(-1);
    model.setCaptionAlignment(9);
    EXPECT_EQ(model.Style(), 0);
    EXPECT_EQ(model.CaptionAlignment(), 4);
    EXPECT_EQ(redraws, 0);
    model.setStyle(7);
    model.setCaptionAlignment(0);
    EXPECT_EQ(redraws, 2);
}

TEST_F(TabStripModelTest, FocusRedrawsOnlyWhenTheFocusRectangleIsUsed) {
    model.setHasFocus(true);
    EXPECT_EQ(redraws, 0);
    model.setUseFocusRect(true);
    model.setHasFocus(false);
    EXPECT_EQ(redraws, 2);
}

TEST_F(TabStripModelTest, CaptionAndFrameNameBelongToTheSelectedTab) {
    model.setSelectedTab(2);
    model.setCaption("Chart");
    model.setTabFrame("fraChart");
    EXPECT_EQ(model.caption(2), "Chart");
    EXPECT_EQ(model.frameName(2), "fraChart");
    EXPECT_EQ(model.Caption(), "Chart");
    EXPECT_EQ(model.caption(1), "Tab 1");
}

TEST_F(TabStripModelTest, SavedDesignLoadsBackIntoAFreshStripWithoutEvents) {
    model.setTabsWidth(150);
    model.setTabsHeight(25);
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
    EXPECT_FALSE(bag.contains("ShowFrameBorder"));
    EXPECT_EQ(bag.keys().first(), "TABWIDE");
    EXPECT_EQ(bag.keys().last(), "TEXTCOLORACTIVE");

    TabStripModel copy;
    int events = 0;
    copy.setTabClickHandler([&](int, int) { ++events; });
    copy.load(bag, QFont());
    EXPECT_EQ(events, 0);
    PropertyBag again;
    copy.save(again);
    EXPECT_EQ(again.keys(), bag.keys());
    for (const auto& key : bag.keys()) {
        EXPECT_EQ(again.read(key), bag.read(key)) << key.toStdString();
    }
    EXPECT_EQ(copy.TabFont().italic(), true);
    EXPECT_EQ(copy.Caption(), "Use Cache Data");

    copy.setShowFrameBorder(true);
    PropertyBag withBorder;
    copy.save(withBorder);
    EXPECT_EQ(withBorder.keys().last(), "ShowFrameBorder");
}

TEST(TabStripModelLoad, ReadsLowerCaseKeysAndBringsStoredNonsenseBackInRange) {
    PropertyBag bag;
    bag.write("tabcount", "3");
    bag.write("tabselected", "7");
    bag.write("tabstyle", "12");
    bag.write("captionstyle", "-1");
    bag.write("tabcaption2", "Chart");
    bag.write("tabcolor", "-2147483632"); // 0x80000010 as a signed 32-bit number
    bag.write("focusrect", "True");
    TabStripModel model;
    model.load(bag, QFont());
    EXPECT_EQ(model.Tabs(), 3);
    EXPECT_EQ(model.SelectedTab(), 3);
    EXPECT_EQ(model.Style(), 0);
    EXPECT_EQ(model.CaptionAlignment(), 4);
    EXPECT_EQ(model.caption(1), ""); // absent captions read as empty
    EXPECT_EQ(model.caption(2), "Chart");
    EXPECT_EQ(model.TabColor(), 0x80000010u);
    EXPECT_TRUE(model.UseFocusRect());
    EXPECT_EQ(model.TabsWidth(), 70);
}
