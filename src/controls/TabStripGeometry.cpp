#include "controls/TabStripGeometry.h"

TabStripGeometry::TabStripGeometry(const Input& input)
    : m_input(input) {
    const int count = m_input.tabs > 0 ? m_input.tabs : 0;
    m_hitRects.reserve(static_cast<std::size_t>(count));
    for (int tab = 1; tab <= count; ++tab) {
        const PixelRect full = tabRect(tab);
        m_hitRects.push_back(tab == m_input.selectedTab ? full : full.shrunk(1));
    }
}

PixelRect TabStripGeometry::pageArea() const {
    PixelRect page{0, 0, m_input.width, m_input.height};
    switch (m_input.style) {
    case 0:
    case 1:
        page.top = m_input.tabsHeight;
        break;
    case 2:
    case 3:
        page.bottom = m_input.height - m_input.tabsHeight;
        break;
    case 4:
    case 6:
        page.left = m_input.tabsWidth;
        break;
    default:
        page.right = m_input.width - m_input.tabsWidth;
        break;
    }
    return page;
}

PixelRect TabStripGeometry::tabRect(int tab) const {
    const int w = m_input.tabsWidth;
    const int h = m_input.tabsHeight;
    const int n = m_input.tabs;
    const int along = tab - 1;
    int left = 0;
    int top = 0;
    switch (m_input.style) {
    case 0:
        left = along * w;
        break;
    case 1:
        left = m_input.width - n * w + along * w - 1;
        break;
    case 2:
        left = along * w;
        top = m_input.height - h - 1;
        break;
    case 3:
        left = m_input.width - n * w + along * w - 1;
        top = m_input.height - h - 1;
        break;
    case 4:
        top = along * h;
        break;
    case 5:
        left = m_input.width - w - 1;
        top = along * h;
        break;
    case 6:
        top = m_input.height - n * h + along * h - 1;
        break;
    default:
        left = m_input.width - w - 1;
        top = m_input.height - n * h + along * h - 1;
        break;
    }
    return {left, top, left + w + 1, top + h + 1};
}

PixelRect TabStripGeometry::hitRect(int tab) const {
    if (tab < 1 || tab > static_cast<int>(m_hitRects.size())) {
        return {};
    }
    return m_hitRects[static_cast<std::size_t>(tab - 1)];
}

int TabStripGeometry::selectedEdgeSides() const {
    switch (m_input.style) {
    case 0:
    case 1:
        return Left | Top | Right;
    case 2:
    case 3:
        return Left | Right | Bottom;
    case 4:
    case 6:
        return Left | Top | Bottom;
    default:
        return Top | Right | Bottom;
    }
}

QPointF TabStripGeometry::captionPosition(int tab, QSizeF textSize, int alignment) const {
    const PixelRect r = tabRect(tab);
    const double w = textSize.width();
    const double h = textSize.height();
    double x = r.left + 3;
    if (alignment % 3 == 1) {
        x = r.left + (r.right - r.left) / 2.0 - w / 2.0 - 1;
    } else if (alignment % 3 == 2) {
        x = r.right - w - 4;
    }
    double y = r.top + 2;
    if (alignment / 3 == 1) {
        y = r.top + (r.bottom - r.top) / 2.0 - h / 2.0 - 1;
    } else if (alignment / 3 == 2) {
        y = r.bottom - h - 2;
    }
    return {x, y};
}

int TabStripGeometry::hitTest(int x, int y) const {
    for (std::size_t i = 0; i < m_hitRects.size(); ++i) {
        if (m_hitRects[i].contains(x, y)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}
