#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

// The persisted design settings of one control: named values, kept in the order they were
// first written, looked up without regard to case ("TABCAPTION1" finds "tabcaption1").
class PropertyBag {
public:
    // The stored value, or `fallback` when the key is absent.
    QVariant read(const QString& key, const QVariant& fallback = {}) const;
    // Replaces the value of an existing key (keeping its place and spelling) or appends one.
    void write(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    // The keys as first written, in that order.
    QStringList keys() const;
    int size() const { return static_cast<int>(m_entries.size()); }

private:
    // Position of the entry named `key`, or -1.
    int indexOf(const QString& key) const;

    std::vector<std::pair<QString, QVariant>> m_entries;
};
