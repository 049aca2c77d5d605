#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

// The named values a window design keeps for one control: keys in the order they were first
// written, matched without regard to case, each read with a default for a missing key.
class ChartPropertyBag {
public:
    // Replaces the value of an existing key (keeping its place and spelling) or appends it.
    void write(const QString& key, const QVariant& value);
    QVariant read(const QString& key, const QVariant& fallback = QVariant()) const;
    bool contains(const QString& key) const;
    QStringList keys() const;
    int size() const { return static_cast<int>(m_values.size()); }

private:
    const QVariant* find(const QString& key) const;

    std::vector<std::pair<QString, QVariant>> m_values;
};
