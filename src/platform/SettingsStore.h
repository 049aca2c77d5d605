#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings store: text values by section and key, for one application name.
// Windows read their keys with a default when they load and write them when they close.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Makes the writes so far durable. False when they could not be stored.
    virtual bool flush() { return true; }

    // Booleans are stored as the words True and False; anything else reads as the default.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    void writeBool(const QString& section, const QString& key, bool value);
    // Decimal numbers; a text that is not a whole number reads as the default.
    long long readNumber(const QString& section, const QString& key, long long fallback) const;
    void writeNumber(const QString& section, const QString& key, long long value);
};

// Settings in a per-user INI file: $XDG_CONFIG_HOME/<application>/<application>.ini
// (or the file given), one group per section. Keys keep their exact text, blanks included.
// Writes are collected and stored together by flush (or when the store goes away): the file
// is replaced in one step, so a crash never leaves half of it, and only its owner may read it
// (it can hold a remembered password).
class FileSettingsStore final : public SettingsStore {
public:
    explicit FileSettingsStore(const QString& applicationName);
    static std::unique_ptr<FileSettingsStore> atPath(const QString& iniPath);
    ~FileSettingsStore() override;

    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool flush() override;
    QString path() const { return m_path; }

private:
    struct PathTag {};
    FileSettingsStore(PathTag, QString path);
    QSettings& settings() const;

    QString m_path;
    mutable std::unique_ptr<QSettings> m_settings;
    bool m_dirty = false;
};
