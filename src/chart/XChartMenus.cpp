#include "chart/XChartMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

XChartMenus::XChartMenus(QWidget* owner)
    : QObject(owner)
    , m_main(new QMenu(QStringLiteral("&Main"), owner))
    , m_legend(new QMenu(QStringLiteral("&Legend"), owner)) {
    m_main->setObjectName(QStringLiteral("mnuMain"));
    m_legend->setObjectName(QStringLiteral("mnuLegend"));
    m_entries[ChartMenus::SaveAs] = addEntry(m_main, "mnuMainSaveAs", false);
    m_entries[ChartMenus::Print] = addEntry(m_main, "mnuMainPrint", false);
    m_entries[ChartMenus::Copy] = addEntry(m_main, "mnuMainCopy", false);
    m_main->addSeparator()->setObjectName(QStringLiteral("mnuSeparator1"));
    m_entries[ChartMenus::SelectionInfo] = addEntry(m_main, "mnuMainSelectionInfo", true);
    m_entries[ChartMenus::ViewLegend] = addEntry(m_main, "mnuMainViewLegend", true);
    m_customSeparator = m_main->addSeparator();
    m_customSeparator->setObjectName(QStringLiteral("mnuMainCustomItemsSeparator"));
    m_customSeparator->setVisible(false);
    for (int i = 0; i < ChartMenus::CustomCount; ++i) {
        QAction* custom = addEntry(m_main, "mnuMainCustomItems", false);
        custom->setData(i);
        custom->setVisible(false);
        connect(custom, &QAction::triggered, this,
                [this, i, custom] { Q_EMIT customItemTriggered(i, custom->text()); });
        m_custom[static_cast<std::size_t>(i)] = custom;
    }
    m_entries[ChartMenus::LegendHide] = addEntry(m_legend, "mnuLegendHide", false);
    applyCaptions(QString());
}

XChartMenus::~XChartMenus() = default;

QAction* XChartMenus::addEntry(QMenu* menu, const char* name, bool checkable) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

QAction* XChartMenus::entry(ChartMenus::BuiltIn which) const {
    return m_entries[static_cast<std::size_t>(which)];
}

QAction* XChartMenus::customEntry(int index) const {
    if (index < 0 || index >= ChartMenus::CustomCount) {
        return nullptr;
    }
    return m_custom[static_cast<std::size_t>(index)];
}

void XChartMenus::applyCaptions(const QString& menuItems) {
    const auto captions = ChartMenus::BuildMenuCaptions(menuItems);
    for (std::size_t k = 0; k < captions.size(); ++k) {
        m_entries[k]->setText(captions[k]);
    }
}

void XChartMenus::loadCustomItems(const QString& customMenuItems) {
    const QStringList captions = ChartMenus::BuildCustomMenuItems(customMenuItems);
    for (int i = 0; i < ChartMenus::CustomCount; ++i) {
        QAction* custom = m_custom[static_cast<std::size_t>(i)];
        const bool used = i < captions.size();
        custom->setText(used ? captions[i] : QString());
        custom->setVisible(used);
    }
    m_customSeparator->setVisible(!captions.isEmpty());
}
