#include "retrieval/CacheFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>
#include <utility>

namespace {

// A packaged program sits in a system folder; even when root can write there, the months of
// a user do not belong beside it.
bool isSystemFolder(const QString& folder) {
    static constexpr std::array<const char*, 4> prefixes = {"/usr/", "/bin/", "/sbin/", "/opt/"};
    const QString withSlash = QDir::cleanPath(folder) + "/";
    for (const char* prefix : prefixes) {
        if (withSlash.startsWith(QLatin1String(prefix))) {
            return true;
        }
    }
    return false;
}

// `cmake --install --prefix ~/.local` leaves a writable bin/ folder that is still an
// installation, shared with every other program there: the simulator's own folder beside it
// (bin/../libexec/veltrix) tells it from a portable copy.
bool isInstalledLayout(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("../libexec/veltrix"))).isDir();
}

QString runningProgramFolder() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
    // The command line runs without an application object.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

} // namespace

CacheFolder::Environment CacheFolder::processEnvironment() {
    return {runningProgramFolder(), qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()};
}

CacheFolder::CacheFolder(Environment environment)
    : m_environment(std::move(environment)) {}

QString CacheFolder::resolve(const QString& explicitFolder) const {
    if (!explicitFolder.isEmpty()) {
        return QDir::cleanPath(QDir(explicitFolder).absolutePath());
    }
    return isPortable() ? QDir::cleanPath(m_environment.programFolder) : userDataFolder();
}

bool CacheFolder::isPortable() const {
    const QString& folder = m_environment.programFolder;
    if (folder.isEmpty() || isSystemFolder(folder) || isInstalledLayout(folder)) {
        return false;
    }
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString CacheFolder::userDataFolder() const {
    QString base = m_environment.xdgDataHome;
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = m_environment.home + "/.local/share";
    }
    return QDir::cleanPath(base + "/veltrix");
}
