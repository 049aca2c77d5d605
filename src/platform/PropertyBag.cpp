#include "platform/PropertyBag.h"

int PropertyBag::indexOf(const QString& key) const {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(key, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QVariant PropertyBag::read(const QString& key, const QVariant& fallback) const {
    const int index = indexOf(key);
    return index < 0 ? fallback : m_entries[static_cast<std::size_t>(index)].second;
}

void PropertyBag::write(const QString& key, const QVariant& value) {
    const int index = indexOf(key);
    if (index < 0) {
        m_entries.emplace_back(key, value);
        return;
    }
    m_entries[static_cast<std::size_t>(index)].second = value;
}

bool PropertyBag::contains(const QString& key) const {
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const {
    QStringList result;
    result.reserve(size());
    for (const auto& entry : m_entries) {
        result.append(entry.first);
    }
    return result;
}
