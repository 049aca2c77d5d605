#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"

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

FileSettingsStore::FileSettingsStore(const QString& applicationName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath() + "/.config";
    }
    m_path = folder + "/" + applicationName + "/" + applicationName + ".ini";
}

FileSettingsStore::FileSettingsStore(PathTag, QString path)
    : m_path(std::move(path)) {}

FileSettingsStore::~FileSettingsStore() {
    flush();
}

std::unique_ptr<FileSettingsStore> FileSettingsStore::atPath(const QString& iniPath) {
    return std::unique_ptr<FileSettingsStore>(new FileSettingsStore(PathTag{}, iniPath));
}

QSettings& FileSettingsStore::settings() const {
    if (!m_settings) {
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    }
    return *m_settings;
}

QString FileSettingsStore::read(const QString& section, const QString& key,
                                const QString& fallback) const {
    const QVariant value = settings().value(section + "/" + key);
    return value.isValid() ? value.toString() : fallback;
}

void FileSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    settings().setValue(section + "/" + key, value);
    m_dirty = true;
}

bool FileSettingsStore::flush() {
    if (!m_dirty) {
        return true;
    }
    constexpr auto Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    try {
        AtomicFile::makeFolder(QFileInfo(m_path).absolutePath(), AtomicFile::Access::OwnerOnly);
    } catch (const AtomicFile::WriteError&) {
        return false;
    }
    // The replacement file takes the permissions of the file it replaces: make sure there is
    // one, private from the start, before anything is written.
    if (!QFileInfo::exists(m_path)) {
        QFile placeholder(m_path);
        if (placeholder.open(QIODevice::WriteOnly)) {
            placeholder.close();
        }
    }
    QFile::setPermissions(m_path, Private);
    settings().sync();
    QFile::setPermissions(m_path, Private);
    m_dirty = settings().status() != QSettings::NoError;
    return !m_dirty;
}
