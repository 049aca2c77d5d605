#include "controls/TabStripGeometry.h"

#include <gtest/gtest.h>

namespace {

using G = TabStripGeometry;

G strip(int style, int selected = 1) {
    return G({300, 200, 70, 20, 3, selected, style});
}

} // namespace

TEST(TabStripGeometry, NeighbouringTabsOverlapByOnePixelAndTheLowerNumberWins) {
    const auto g = strip(0);
    EXPECT_EQ(g.hitRect(1), (PixelRect{0, 0, 71, 21}));   // selected: the full rectangle
    EXPECT_EQ(g.hitRect(2), (PixelRect{71, 1, 140, 20})); // others: one pixel less all round
    EXPECT_EQ(g.hitTest(71, 10), 1);
    EXPECT_EQ(g.hitTest(72, 10), 2);
    EXPECT_EQ(g.hitTest(0, 0), 1);   // borders belong to the rectangle
    EXPECT_EQ(g.hitTest(100, 0), 0); // an unselected tab's top row is no hit
    EXPECT_EQ(g.hitTest(211, 10), 0);
    EXPECT_EQ(strip(0, 2).hitTest(70, 10), 1);
}

// The windows use the top style with centred captions.
TEST(TabStripGeometry, TheBandLiesOnTopAndCaptionsAreCentredInTheFullTabRectangle) {
    const auto g = strip(0, 2); // tab 1 spans 0..71 x 0..21 whether selected or not
    EXPECT_EQ(g.tabRect(2), (PixelRect{70, 0, 141, 21}));
    EXPECT_EQ(g.pageArea(), (PixelRect{0, 20, 300, 200}));
    EXPECT_EQ(g.selectedEdgeSides(), G::Left | G::Top | G::Right); // open towards the page
    EXPECT_EQ(g.captionPosition(1, QSizeF(40, 13), 4), QPointF(14.5, 3));
}
