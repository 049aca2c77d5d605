#pragma once

#include <QPointF>
#include <QSizeF>
#include <vector>

// A rectangle in pixels whose right and bottom edges belong to it (hit tests include borders).
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    PixelRect shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    bool operator==(const PixelRect&) const = default;
};

// Where the tab strip's page area, tabs, hit rectangles and captions lie for one size and one
// set of settings. Pure arithmetic, so the painting and the mouse agree by construction.
class TabStripGeometry {
public:
    struct Input {
        int width = 0;  // the control's width in pixels
        int height = 0; // and height
        int tabsWidth = 70;
        int tabsHeight = 20;
        int tabs = 2;
        int selectedTab = 1;
        int style = 0;
    };

    // Sides of a raised edge, as bits: left 1, top 2, right 4, bottom 8.
    enum EdgeSide : int { Left = 1, Top = 2, Right = 4, Bottom = 8, AllSides = 15 };

    explicit TabStripGeometry(const Input& input);

    const Input& input() const { return m_input; }
    // The part of the control below (or beside) the tab band, filled like the selected tab.
    PixelRect pageArea() const;
    // The full rectangle of tab `tab` (1-based): one pixel wider and higher than a tab, so
    // neighbours overlap by one pixel.
    PixelRect tabRect(int tab) const;
    // What a mouse press must hit: the full rectangle for the selected tab, one pixel less on
    // every side for the others.
    PixelRect hitRect(int tab) const;
    // The sides of the selected tab's raised edge: all but the one open towards the page area.
    int selectedEdgeSides() const;
    // Top left corner of a caption of `textSize` in tab `tab` for alignment 0..8.
    QPointF captionPosition(int tab, QSizeF textSize, int alignment) const;
    // The first tab whose hit rectangle holds the point (the lower number wins where two
    // overlap), or 0.
    int hitTest(int x, int y) const;

private:
    Input m_input;
    std::vector<PixelRect> m_hitRects;
};
