#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <utility>

// Settings kept in memory only: a test's store starts empty and touches no file.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override {
        const auto found = m_values.find({section, key});
        return found == m_values.end() ? fallback : found->second;
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        m_values[{section, key}] = value;
    }

private:
    std::map<std::pair<QString, QString>, QString> m_values;
};
