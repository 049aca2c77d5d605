#pragma once

#include "chart/ChartMenus.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QWidget;

// The chart's two popup menus: "&Main" with the built-in entries, the selection information
// and legend switches and eight custom entries, and "&Legend" with its hide entry.
class XChartMenus : public QObject {
    Q_OBJECT

public:
    explicit XChartMenus(QWidget* owner);
    ~XChartMenus() override;

    QMenu* mnuMain() const { return m_main; }
    QMenu* mnuLegend() const { return m_legend; }
    QAction* entry(ChartMenus::BuiltIn which) const;
    QAction* customEntry(int index) const;
    QAction* customSeparator() const { return m_customSeparator; }

    // BuildMenuCaptions and BuildCustomMenuItems: captions from the two texts.
    void applyCaptions(const QString& menuItems);
    void loadCustomItems(const QString& customMenuItems);

Q_SIGNALS:
    void customItemTriggered(int index, const QString& caption);

private:
    QAction* addEntry(QMenu* menu, const char* name, bool checkable);

    QMenu* m_main;
    QMenu* m_legend;
    std::array<QAction*, ChartMenus::BuiltInCount> m_entries{};
    std::array<QAction*, ChartMenus::CustomCount> m_custom{};
    QAction* m_customSeparator = nullptr;
};
