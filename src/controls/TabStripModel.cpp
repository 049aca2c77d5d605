#include "controls/TabStripModel.h"

#include "controls/DesignValue.h"
#include "platform/ColorValue.h"
#include "platform/PropertyBag.h"

#include <algorithm>

namespace {

constexpr int MaxTabs = 32767; // the count is a 16-bit number in stored designs

QFont activeFontFrom(const QFont& font) {
    QFont active = font;
    active.setBold(!font.bold());
    return active;
}

} // namespace

TabStripModel::TabStripModel(const QFont& ownFont)
    : m_captions({"Tab 1", "Tab 2"})
    , m_frameNames({QString(), QString()})
    , m_tabFont(ownFont)
    , m_tabFontActive(activeFontFrom(ownFont)) {}

void TabStripModel::redraw() {
    if (m_redraw) {
        m_redraw();
    }
}

void TabStripModel::setTabsWidth(int pixels) {
    m_tabsWidth = pixels;
    redraw();
}

void TabStripModel::setTabsHeight(int pixels) {
    m_tabsHeight = pixels;
    redraw();
}

void TabStripModel::setSelectedTab(int tab) {
    const int oldTab = m_selectedTab;
    m_selectedTab = std::clamp(tab, 1, Tabs());
    redraw();
    if (m_tabClick) {
        m_tabClick(oldTab, m_selectedTab);
    }
}

void TabStripModel::resizeLists(int count) {
    while (m_captions.size() > count) {
        m_captions.removeLast();
        m_frameNames.removeLast();
    }
    while (m_captions.size() < count) {
        m_captions.append(QString());
        m_frameNames.append(QString());
    }
}

void TabStripModel::setTabs(int count) {
    if (count < 1 || count > MaxTabs) {
        return;
    }
    resizeLists(count);
    const int oldTab = m_selectedTab;
    m_selectedTab = std::min(m_selectedTab, count);
    redraw();
    if (m_selectedTab != oldTab && m_tabClick) {
        m_tabClick(oldTab, m_selectedTab);
    }
}

void TabStripModel::setStyle(int style) {
    if (style < 0 || style > 7) {
        return;
    }
    m_style = style;
    redraw();
}

void TabStripModel::setCaptionAlignment(int alignment) {
    if (alignment < 0 || alignment > 8) {
        return;
    }
    m_captionAlignment = alignment;
    redraw();
}

void TabStripModel::setUseFocusRect(bool use) {
    m_useFocusRect = use;
    redraw();
}

void TabStripModel::setCaption(const QString& caption) {
    m_captions[m_selectedTab - 1] = caption;
    redraw();
}

void TabStripModel::setTabFrame(const QString& name) {
    m_frameNames[m_selectedTab - 1] = name;
    redraw();
}

QString TabStripModel::caption(int tab) const {
    return tab >= 1 && tab <= Tabs() ? m_captions[tab - 1] : QString();
}

QString TabStripModel::frameName(int tab) const {
    return tab >= 1 && tab <= Tabs() ? m_frameNames[tab - 1] : QString();
}

void TabStripModel::setTabFont(const QFont& font) {
    m_tabFont = font;
    redraw();
}

void TabStripModel::setTabFontActive(const QFont& font) {
    m_tabFontActive = font;
    redraw();
}

void TabStripModel::setTabColor(std::uint32_t color) {
    m_tabColor = color;
    redraw();
}

void TabStripModel::setTabColorActive(std::uint32_t color) {
    m_tabColorActive = color;
    redraw();
}

void TabStripModel::setTextColor(std::uint32_t color) {
    m_textColor = color;
    redraw();
}

void TabStripModel::setTextColorActive(std::uint32_t color) {
    m_textColorActive = color;
    redraw();
}

QColor TabStripModel::tabFill(int tab, const QPalette& palette) const {
    return ColorValue::toQColor(tab == m_selectedTab ? m_tabColorActive : m_tabColor, palette);
}

QColor TabStripModel::captionColor(int tab, const QPalette& palette) const {
    const QColor text =
        ColorValue::toQColor(tab == m_selectedTab ? m_textColorActive : m_textColor, palette);
    return ColorValue::legibleOn(tabFill(tab, palette), text);
}

void TabStripModel::setHasFocus(bool focus) {
    m_hasFocus = focus;
    redraw();
}

const TabStripGeometry& TabStripModel::relayout(int width, int height) {
    m_layout.emplace(TabStripGeometry::Input{width, height, m_tabsWidth, m_tabsHeight, Tabs(),
                                             m_selectedTab, m_style});
    return *m_layout;
}

int TabStripModel::mousePressed(int x, int y) {
    const int tab = m_layout ? m_layout->hitTest(x, y) : 0;
    if (tab > 0) {
        setSelectedTab(tab);
    }
    return tab;
}

bool TabStripModel::isOverTab(int x, int y) const {
    return m_layout && m_layout->hitTest(x, y) > 0;
}

bool TabStripModel::keyPressed(int qtKey) {
    if (qtKey == Qt::Key_Left || qtKey == Qt::Key_Up) {
        setSelectedTab(m_selectedTab - 1);
        return true;
    }
    if (qtKey == Qt::Key_Right || qtKey == Qt::Key_Down) {
        setSelectedTab(m_selectedTab + 1);
        return true;
    }
    return false;
}

namespace {

int wholeOr(const PropertyBag& bag, const char* key, int fallback) {
    const auto value = DesignValue::toWhole(bag.read(key));
    return value && *value >= -2147483648LL && *value <= 2147483647LL ? static_cast<int>(*value)
                                                                      : fallback;
}

std::uint32_t colorOr(const PropertyBag& bag, const char* key, std::uint32_t fallback) {
    return DesignValue::toColor(bag.read(key)).value_or(fallback);
}

} // namespace

void TabStripModel::load(const PropertyBag& bag, const QFont& ownFont) {
    m_tabsWidth = wholeOr(bag, "TABWIDE", 70);
    m_tabsHeight = wholeOr(bag, "TABHIGH", 20);
    // A stored design is not checked when it is written, so out-of-range values are brought
    // back to something the strip can draw rather than trusted.
    const int count = std::clamp(wholeOr(bag, "TABCOUNT", 2), 1, MaxTabs);
    m_selectedTab = std::clamp(wholeOr(bag, "TABSELECTED", 1), 1, count);
    m_style = wholeOr(bag, "TABSTYLE", 0);
    if (m_style < 0 || m_style > 7) {
        m_style = 0;
    }
    m_captionAlignment = wholeOr(bag, "CAPTIONSTYLE", 4);
    if (m_captionAlignment < 0 || m_captionAlignment > 8) {
        m_captionAlignment = 4;
    }
    m_useFocusRect = DesignValue::toBool(bag.read("FOCUSRECT")).value_or(false);
    resizeLists(count);
    for (int tab = 1; tab <= count; ++tab) {
        m_captions[tab - 1] = bag.read(QStringLiteral("TABCAPTION%1").arg(tab)).toString();
        m_frameNames[tab - 1] = bag.read(QStringLiteral("TABFRAME%1").arg(tab)).toString();
    }
    m_tabFont = DesignValue::toFont(bag.read("TABFONT")).value_or(ownFont);
    m_tabFontActive = DesignValue::toFont(bag.read("TABFONTACTIVE")).value_or(ownFont);
    m_tabColor = colorOr(bag, "TABCOLOR", DefaultTabColor);
    m_tabColorActive = colorOr(bag, "TABCOLORACTIVE", DefaultTabColorActive);
    m_textColor = colorOr(bag, "TEXTCOLOR", DefaultTextColor);
    m_textColorActive = colorOr(bag, "TEXTCOLORACTIVE", DefaultTextColorActive);
    redraw();
    m_showFrameBorder = DesignValue::toBool(bag.read("ShowFrameBorder")).value_or(false);
}

void TabStripModel::save(PropertyBag& bag) const {
    bag.write("TABWIDE", m_tabsWidth);
    bag.write("TABHIGH", m_tabsHeight);
    bag.write("TABCOUNT", Tabs());
    bag.write("TABSELECTED", m_selectedTab);
    bag.write("TABSTYLE", m_style);
    bag.write("CAPTIONSTYLE", m_captionAlignment);
    bag.write("FOCUSRECT", m_useFocusRect);
    for (int tab = 1; tab <= Tabs(); ++tab) {
        bag.write(QStringLiteral("TABCAPTION%1").arg(tab), m_captions[tab - 1]);
        bag.write(QStringLiteral("TABFRAME%1").arg(tab), m_frameNames[tab - 1]);
    }
    bag.write("TABFONT", QVariant::fromValue(m_tabFont));
    bag.write("TABFONTACTIVE", QVariant::fromValue(m_tabFontActive));
    bag.write("TABCOLOR", m_tabColor);
    bag.write("TABCOLORACTIVE", m_tabColorActive);
    bag.write("TEXTCOLOR", m_textColor);
    bag.write("TEXTCOLORACTIVE", m_textColorActive);
    if (m_showFrameBorder) {
        bag.write("ShowFrameBorder", true);
    }
}
