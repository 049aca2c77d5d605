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

TEST(TabStripGeometry, EachStylePlacesTheBandOnItsEdgeAndLeavesThePageBeside) {
    constexpr int TopOpen = G::Left | G::Right | G::Bottom;
    constexpr int BottomOpen = G::Left | G::Top | G::Right;
    const struct {
        int style;
        PixelRect tab2;
        PixelRect page;
        int selectedSides;
    } styles[] = {{0, {70, 0, 141, 21}, {0, 20, 300, 200}, BottomOpen}, // top, from the left
                  {3, {159, 179, 230, 200}, {0, 0, 300, 180}, TopOpen}, // bottom, to the right
                  {4, {0, 20, 71, 41}, {70, 0, 300, 200}, 11},          // left, from the top
                  {7, {229, 159, 300, 180}, {0, 0, 230, 200}, 14}};     // right, to the bottom
    for (const auto& s : styles) {
        const auto g = strip(s.style);
        EXPECT_EQ(g.tabRect(2), s.tab2) << s.style;
        EXPECT_EQ(g.pageArea(), s.page) << s.style;
        EXPECT_EQ(g.selectedEdgeSides(), s.selectedSides) << s.style;
    }
}

TEST(TabStripGeometry, CaptionsSitByAlignmentInTheFullTabRectangle) {
    const auto g = strip(0, 2); // tab 1 spans 0..71 x 0..21 whether selected or not
    const double xs[] = {3, 14.5, 27};
    const double ys[] = {2, 3, 6};
    for (int alignment = 0; alignment <= 8; ++alignment) {
        const QPointF at = g.captionPosition(1, QSizeF(40, 13), alignment);
        EXPECT_EQ(at, QPointF(xs[alignment % 3], ys[alignment / 3])) << alignment;
    }
}
