// GoogleTest main for tests of desktop session services: the program runs itself again
// inside a private D-Bus session, then as the core test main does.
#include "support/PrivateSessionBus.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    PrivateSessionBus::enter(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
