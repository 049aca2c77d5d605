#pragma once

#include "controls/TabStripModel.h"

#include <QWidget>

class PropertyBag;

// The tab strip: draws its band of tabs along one edge, shows only the frame (a child widget
// of kind "Frame", found by its objectName) bound to the selected tab, and raises TabClick on
// every assignment of the selection. Settings and rules live in its TabStripModel.
class ctlTabs : public QWidget {
    Q_OBJECT

public:
    explicit ctlTabs(QWidget* parent = nullptr);

    // Every setting of the strip (TabsWidth, Tabs, Caption, TabFrame, colours, fonts, ...).
    TabStripModel& properties() { return m_model; }
    const TabStripModel& properties() const { return m_model; }

    int SelectedTab() const { return m_model.SelectedTab(); }
    void setSelectedTab(int tab) { m_model.setSelectedTab(tab); }
    int Tabs() const { return m_model.Tabs(); }
    int ScaleMode() const { return 1; } // pixels

    // The stored design (keys TABWIDE, TABCAPTION1, ... in any case).
    void load(const PropertyBag& bag);
    void save(PropertyBag& bag) const;

    // Recomputes the tabs and their hit rectangles, shows the selected tab's frame and
    // repaints. Runs after every change; exposed for hosts that add frames later.
    void DrawTabs();
    const TabStripGeometry& geometryNow() const { return m_geometry; }

Q_SIGNALS:
    void TabClick(int OldTab, int NewTab);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void bindFrames();
    void paintTab(QPainter& painter, int tab);
    void paintFocus(QPainter& painter, const QRect& inside, const QColor& caption);

    TabStripModel m_model;
    TabStripGeometry m_geometry{TabStripGeometry::Input{}};
};
