#pragma once

#include "controls/TabStripGeometry.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class PropertyBag;
class QPalette;

// The settings and selection rules of a tab strip: what each assignment accepts, when
// TabClick fires, which tab a press or an arrow key selects, and the persisted design keys.
// It draws nothing; its host redraws when told to.
class TabStripModel {
public:
    static constexpr std::uint32_t DefaultTabColor = 0x80000010u;        // button shadow
    static constexpr std::uint32_t DefaultTabColorActive = 0x8000000Fu;  // button face
    static constexpr std::uint32_t DefaultTextColor = 0x80000014u;       // button highlight
    static constexpr std::uint32_t DefaultTextColorActive = 0x80000012u; // button text

    // `ownFont` is the control's own font: both tab fonts start from it, the active one with
    // its boldness inverted.
    explicit TabStripModel(const QFont& ownFont = QFont());

    // Called after every change that alters the picture.
    void setRedrawHandler(std::function<void()> handler) { m_redraw = std::move(handler); }
    // Called with (OldTab, NewTab) after every assignment of the selection.
    void setTabClickHandler(std::function<void(int, int)> handler) {
        m_tabClick = std::move(handler);
    }

    int TabsWidth() const { return m_tabsWidth; }
    void setTabsWidth(int pixels);
    int TabsHeight() const { return m_tabsHeight; }
    void setTabsHeight(int pixels);
    int SelectedTab() const { return m_selectedTab; }
    void setSelectedTab(int tab);
    int Tabs() const { return static_cast<int>(m_captions.size()); }
    void setTabs(int count);
    int Style() const { return m_style; }
    void setStyle(int style);
    int CaptionAlignment() const { return m_captionAlignment; }
    void setCaptionAlignment(int alignment);
    bool UseFocusRect() const { return m_useFocusRect; }
    void setUseFocusRect(bool use);
    bool ShowFrameBorder() const { return m_showFrameBorder; }
    void setShowFrameBorder(bool show) { m_showFrameBorder = show; }

    // Caption and frame name of the selected tab.
    QString Caption() const { return caption(m_selectedTab); }
    void setCaption(const QString& caption);
    QString TabFrame() const { return frameName(m_selectedTab); }
    void setTabFrame(const QString& name);
    QString caption(int tab) const;
    QString frameName(int tab) const;

    const QFont& TabFont() const { return m_tabFont; }
    void setTabFont(const QFont& font);
    const QFont& TabFontActive() const { return m_tabFontActive; }
    void setTabFontActive(const QFont& font);

    std::uint32_t TabColor() const { return m_tabColor; }
    void setTabColor(std::uint32_t color);
    std::uint32_t TabColorActive() const { return m_tabColorActive; }
    void setTabColorActive(std::uint32_t color);
    std::uint32_t TextColor() const { return m_textColor; }
    void setTextColor(std::uint32_t color);
    std::uint32_t TextColorActive() const { return m_textColorActive; }
    void setTextColorActive(std::uint32_t color);

    // What a tab is filled with and its caption drawn in, the colours translated through
    // `palette`. The fill is the tab colour as set; the caption takes the text colour where it
    // reads on that fill (4.5:1) and black or white where it does not, so that a palette whose
    // button highlight is pale on its button shadow still gives legible captions.
    QColor tabFill(int tab, const QPalette& palette) const;
    QColor captionColor(int tab, const QPalette& palette) const;

    // The strip shows that it has the keyboard focus, whether or not it draws the dotted
    // focus rectangle (UseFocusRect): a keyboard user must see where the arrow keys act.
    bool hasFocus() const { return m_hasFocus; }
    void setHasFocus(bool focus);

    // The geometry for a control of `width` x `height` pixels; the last one computed is the
    // one mouse presses are tested against.
    const TabStripGeometry& relayout(int width, int height);
    // A mouse press at (x, y): selects the first tab hit. Returns the tab, or 0.
    int mousePressed(int x, int y);
    bool isOverTab(int x, int y) const;
    // Left/Up select the previous tab, Right/Down the next; the ends do not wrap.
    // Returns false for keys the strip does not use.
    bool keyPressed(int qtKey);

    // Reads the design keys (any case) without the checks of assignments and without events,
    // then redraws. `ownFont` stands in for absent fonts.
    void load(const PropertyBag& bag, const QFont& ownFont);
    void save(PropertyBag& bag) const;

private:
    void redraw();
    void resizeLists(int count);

    int m_tabsWidth = 70;
    int m_tabsHeight = 20;
    int m_selectedTab = 1;
    int m_style = 0;
    int m_captionAlignment = 4;
    bool m_useFocusRect = false;
    QStringList m_captions;
    QStringList m_frameNames;
    QFont m_tabFont;
    QFont m_tabFontActive;
    std::uint32_t m_tabColor = DefaultTabColor;
    std::uint32_t m_tabColorActive = DefaultTabColorActive;
    std::uint32_t m_textColor = DefaultTextColor;
    std::uint32_t m_textColorActive = DefaultTextColorActive;
    bool m_hasFocus = false;
    bool m_showFrameBorder = false;
    std::optional<TabStripGeometry> m_layout;
    std::function<void()> m_redraw;
    std::function<void(int, int)> m_tabClick;
};
