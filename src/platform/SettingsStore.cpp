#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

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

FileSettingsStore::Values FileSettingsStore::readFile(QString* problem) const {
    const QFileInfo info(m_path);
    if (!info.exists()) {
        return {};
    }
    const QString shown = QDir::toNativeSeparators(m_path);
    // a pipe would block the window for ever, a huge file for seconds
    if (!info.isFile()) {
        *problem = "The settings file " + shown + " is not a regular file: it was not read";
        return {};
    }
    if (info.size() > MaxFileBytes) {
        *problem = "The settings file " + shown + " is larger than " +
                   QString::number(MaxFileBytes / (1024 * 1024)) +
                   " MB, far more than any settings take: it was not read, and the settings "
                   "start from their defaults";
        return {};
    }
    // QSettings keeps whatever lines it can read and skips the rest; every key of ours is a
    // name in a section, so one without a name (a line "=x") is damage too
    const QSettings file(m_path, QSettings::IniFormat);
    Values values;
    for (const QString& key : file.allKeys()) {
        const auto slash = key.indexOf('/');
        if (slash > 0 && slash + 1 < key.size()) {
            values[key] = file.value(key).toString();
        }
    }
    return values;
}

const FileSettingsStore::Values& FileSettingsStore::loaded() const {
    if (!m_loaded) {
        m_loaded = readFile(&m_problem);
    }
    return *m_loaded;
}

QString FileSettingsStore::problem() const {
    loaded();
    return m_problem;
}

QString FileSettingsStore::read(const QString& section, const QString& key,
                                const QString& fallback) const {
    const QString name = section + "/" + key;
    if (const auto written = m_written.find(name); written != m_written.end()) {
        return written->second;
    }
    const Values& values = loaded();
    const auto found = values.find(name);
    return found == values.end() ? fallback : found->second;
}

void FileSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    m_written[section + "/" + key] = value;
}

bool FileSettingsStore::flush() {
    if (m_written.empty()) {
        return true;
    }
    const QFileInfo target(m_path);
    const QString folder = target.absolutePath();
    if (target.exists() && !target.isFile()) {
        return false;
    }
    try {
        AtomicFile::makeFolder(folder, AtomicFile::Access::OwnerOnly);
    } catch (const AtomicFile::WriteError&) {
        return false;
    }
    // What the file holds now (another window of the program may have stored its own keys
    // since), what this store wrote on top, written out as QSettings writes it, in a private
    // file beside it, and put in place whole.
    QString ignored;
    Values values = readFile(&ignored);
    for (const auto& [key, value] : m_written) {
        values[key] = value;
    }
    QTemporaryFile draft(folder + "/.settings-XXXXXX");
    if (!draft.open()) {
        return false;
    }
    {
        QSettings out(draft.fileName(), QSettings::IniFormat);
        for (const auto& [key, value] : values) {
            out.setValue(key, value);
        }
        out.sync();
        if (out.status() != QSettings::NoError) {
            return false;
        }
    }
    QFile written(draft.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        return false;
    }
    try {
        AtomicFile::write(m_path, written.readAll(), AtomicFile::Access::OwnerOnly,
                          AtomicFile::Folder::Create);
    } catch (const AtomicFile::WriteError&) {
        return false;
    }
    m_loaded = std::move(values);
    m_written.clear();
    return true;
}
