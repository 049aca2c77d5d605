#include "support/CliRunner.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace {

CliRun cacheList(const QString& folder, const char* extra = nullptr) {
    std::vector<std::string> args = {"cache", "list", "--data-dir", folder.toStdString()};
    if (extra) {
        args.emplace_back(extra);
    }
    return runVeltrix(args);
}

} // namespace

TEST(CacheCommand, ListsEntriesInListOrderAsTextOrJson) {
    QTemporaryDir folder;
    EXPECT_EQ(cacheList(folder.path()).out, "");
    EXPECT_EQ(cacheList(folder.path(), "--json").out, "[]\n");
    for (const QString name : {"2007-03-bob.cache", "2007-03-Alice.cache", "2007-02-bob.cache"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
    }
    const CliRun text = cacheList(folder.path());
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "2007-02-bob\n2007-03-Alice\n2007-03-bob\n");
    const nlohmann::json json = nlohmann::json::parse(cacheList(folder.path(), "--json").out);
    ASSERT_EQ(json.size(), 3u);
    EXPECT_EQ(json[1],
              (nlohmann::json{{"entry", "2007-03-Alice"},
                              {"month", "2007-03"},
                              {"user", "Alice"},
                              {"file", folder.filePath("2007-03-Alice.cache").toStdString()},
                              {"bytes", 19}}));
}

TEST(CacheCommand, FolderThatCannotBeListedIsOneLineOnStderr) {
    QTemporaryDir folder;
    QFile(folder.filePath("file")).open(QIODevice::WriteOnly);
    for (const QString& bad : {folder.filePath("gone"), folder.filePath("file")}) {
        const CliRun run = cacheList(bad);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(bad.toStdString()), std::string::npos) << run.err;
    }
}
