#include "desktop/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>

using Start = SingleInstance::Start;

class SingleInstanceTest : public ::testing::Test {
    int argc = 1;
    char* argv[2] = {const_cast<char*>("test"), nullptr};
    QCoreApplication application{argc, argv}; // to listen, and an event loop to hear

protected:
    QTemporaryDir folder;
    const QString name = folder.filePath("s");
};

TEST_F(SingleInstanceTest, ALaterStartHandsOverItsWishAndTheNameIsFreeOnceTheFirstEnds) {
    {
        SingleInstance first(name);
        ASSERT_EQ(first.start("open"), Start::First);
        QByteArray heard;
        first.onMessage([&heard](const QByteArray& wish) { heard = wish; });
        EXPECT_EQ(SingleInstance(name).start("tray"), Start::AlreadyRunning);
        for (int waited = 0; heard.isEmpty() && waited < 100; ++waited) { // 5 s at most
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        EXPECT_EQ(heard, "tray");
    }
    EXPECT_EQ(SingleInstance(name).start("open"), Start::First);
    EXPECT_EQ(SingleInstance(folder.filePath("absent/s")).start("open"), Start::Alone);
}

TEST_F(SingleInstanceTest, WhatACrashedProgramLeftBehindDoesNotBlockAStart) {
    const pid_t crashed = ::fork();
    if (crashed == 0) { // claims the name, then ends without closing anything
        ::_exit(static_cast<int>((new SingleInstance(name))->start("open")));
    }
    ::waitpid(crashed, nullptr, 0);
    ASSERT_TRUE(QFile::exists(name) && QFile::exists(name + ".lock"));
    EXPECT_EQ(SingleInstance(name).start("open"), Start::First);
}
