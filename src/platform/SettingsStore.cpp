#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

bool SettingsStore::readBool(const QString& section, const QString& key, bool fallback) const {
    const QString text = read(section, key, fallback ? "True" : "False").trimmed();
    if (text.compare("True", Qt::CaseInsensitive) == 0 || text == "-1" || text == "1") {
        return true;
    }
    if (text.compare("False", Qt::CaseInsensitive) == 0 || text == "0") {
        return false;
    }
    return fallback;
}

void SettingsStore::writeBool(const QString& section, const QString& key, bool value) {
    write(section, key, value ? "True" : "False");
}

long long SettingsStore::readNumber(const QString& section, const QString& key,
                                    long long fallback) const {
    bool ok = false;
    const long long value = read(section, key, QString::number(fallback)).trimmed().toLongLong(&ok);
    return ok ? value : fallback;
}

void SettingsStore::writeNumber(const QString& section, const QString& key, long long value) {
    write(section, key, QString::number(value));
}

QString MemorySettingsStore::read(const QString& section, const QString& key,
                                  const QString& fallback) const {
    const auto found = m_values.find({section, key});
    return found == m_values.end() ? fallback : found->second;
}

void MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
    m_values[{section, key}] = value;
}

FileSettingsStore::FileSettingsStore(const QString& applicationName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath() + "/.config";
    }
    m_path = folder + "/" + applicationName + "/" + applicationName + ".ini";
}

std::unique_ptr<FileSettingsStore> FileSettingsStore::atPath(const QString& iniPath) {
    return std::unique_ptr<FileSettingsStore>(new FileSettingsStore(PathTag{}, iniPath));
}

QString FileSettingsStore::read(const QString& section, const QString& key,
                                const QString& fallback) const {
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : fallback;
}

void FileSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo(folder).isDir() && QDir().mkpath(folder)) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
    QSettings settings(m_path, QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.sync();
    // the file can hold a scrambled password: private to the user (a rewrite keeps the mode)
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
