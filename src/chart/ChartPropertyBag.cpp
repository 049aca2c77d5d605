#include "chart/ChartPropertyBag.h"

void ChartPropertyBag::write(const QString& key, const QVariant& value) {
    for (auto& [name, stored] : m_values) {
        if (name.compare(key, Qt::CaseInsensitive) == 0) {
            stored = value;
            return;
        }
    }
    m_values.emplace_back(key, value);
}

const QVariant* ChartPropertyBag::find(const QString& key) const {
    for (const auto& [name, stored] : m_values) {
        if (name.compare(key, Qt::CaseInsensitive) == 0) {
            return &stored;
        }
    }
    return nullptr;
}

QVariant ChartPropertyBag::read(const QString& key, const QVariant& fallback) const {
    const QVariant* stored = find(key);
    return stored ? *stored : fallback;
}

bool ChartPropertyBag::contains(const QString& key) const {
    return find(key) != nullptr;
}

QStringList ChartPropertyBag::keys() const {
    QStringList names;
    for (const auto& entry : m_values) {
        names.append(entry.first);
    }
    return names;
}
