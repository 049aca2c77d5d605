// GoogleTest main for chart tests that paint: fonts need a QGuiApplication, made the way the
// command line makes it.
#include "chart/BuiltInChartFile.h"
#include "platform/HeadlessApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    HeadlessApplication gui;
    if (!gui.problem().isEmpty()) {
        return 2;
    }
    return RUN_ALL_TESTS();
}
