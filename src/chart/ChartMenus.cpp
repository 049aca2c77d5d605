#include "chart/ChartMenus.h"

#include "chart/ChartProperties.h"

std::array<QString, ChartMenus::BuiltInCount>
ChartMenus::BuildMenuCaptions(const QString& menuItems) {
    const QStringList defaults = QString::fromLatin1(ChartDefaults::MenuItems).split('|');
    const QStringList parts = menuItems.isEmpty() ? defaults : menuItems.split('|');
    std::array<QString, BuiltInCount> captions;
    for (int k = 0; k < BuiltInCount; ++k) {
        const bool given = k < parts.size() && !parts[k].isEmpty();
        captions[static_cast<std::size_t>(k)] = given ? parts[k] : defaults[k];
    }
    return captions;
}

QStringList ChartMenus::BuildCustomMenuItems(const QString& customMenuItems) {
    QStringList entries;
    if (customMenuItems.trimmed().isEmpty()) {
        return entries;
    }
    const QStringList parts = customMenuItems.split('|');
    for (const QString& part : parts) {
        const QString caption = part.trimmed();
        if (!caption.isEmpty() && entries.size() < CustomCount) {
            entries.append(caption);
        }
    }
    return entries;
}
