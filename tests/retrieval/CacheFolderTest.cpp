#include "retrieval/CacheFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CacheFolder, BesideAWritableProgramElseTheUserDataFolder) {
    QTemporaryDir program;
    // an installed layout in a writable prefix, as `cmake --install --prefix ~/.local` makes
    const QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("libexec/veltrix"));
    const QString home = "/home/alice";
    const QString userData = "/home/alice/.local/share/veltrix";
    const std::vector<std::tuple<CacheFolder::Environment, QString, QString>> cases = {
        {{program.path(), "/x/data", home}, "", program.path()},
        {{program.path(), "/x/data", home}, "/srv/months/", "/srv/months"},
        {{program.path() + "/gone", "/x/data", home}, "", "/x/data/veltrix"},
        {{"", "relative/ignored", home}, "", userData},
        // Root may write there, but a packaged program's folder is no place for months.
        {{"/usr/bin", "", home}, "", userData},
        {{prefix.path() + "/bin", "", home}, "", userData},
    };
    for (const auto& [environment, explicitFolder, expected] : cases) {
        EXPECT_EQ(CacheFolder(environment).resolve(explicitFolder), expected)
            << environment.programFolder.toStdString();
    }
    EXPECT_TRUE(CacheFolder::processEnvironment().programFolder.endsWith("tests/retrieval"));
}
