#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <utility>

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
    // Why the stored settings could not be read (the defaults hold instead), or empty.
    virtual QString problem() const { return {}; }

    // Booleans are stored as the words True and False; anything else reads as the default.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    void writeBool(const QString& section, const QString& key, bool value);
    // Decimal numbers; a text that is not a whole number reads as the default.
    long long readNumber(const QString& section, const QString& key, long long fallback) const;
    void writeNumber(const QString& section, const QString& key, long long value);
};

// Settings in a per-user INI file: $XDG_CONFIG_HOME/<application>/<application>.ini
// (or the file given), one group per section. Keys keep their exact text, blanks included.
// The file is read once, whatever of it can be read; writes are collected and stored together
// by flush (or when the store goes away), over what the file holds by then: the file is
// replaced whole in one step, so a crash never leaves half of it and damage in it does not
// survive, and only its owner may read it (it can hold a remembered password).
class FileSettingsStore final : public SettingsStore {
public:
    // No settings file is this large: a larger one is not read (it would hold the window up).
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    explicit FileSettingsStore(const QString& applicationName);
    static std::unique_ptr<FileSettingsStore> atPath(const QString& iniPath);
    ~FileSettingsStore() override;

    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool flush() override;
    QString path() const { return m_path; }
    // Why the file was not read (too large, not a file), in one line; empty when it was read
    // or is absent.
    QString problem() const override;

private:
    using Values = std::map<QString, QString>; // "section/key" -> text
    struct PathTag {};
    FileSettingsStore(PathTag, QString path);
    const Values& loaded() const;
    // What the file at m_path holds, as far as it can be read; `problem` says why not at all.
    Values readFile(QString* problem) const;

    QString m_path;
    mutable std::optional<Values> m_loaded;
    mutable QString m_problem;
    Values m_written;
};
