#include "desktop/DesktopProgram.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <vector>

struct ArgumentsCase {
    const char* name;
    std::vector<const char*> arguments;
    bool desktop;
};

class DesktopArguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(DesktopArguments, OnlyNoSubcommandOpensTheWindow) {
    std::vector<char*> argv = {const_cast<char*>("veltrix")};
    for (const char* argument : GetParam().arguments) {
        argv.push_back(const_cast<char*>(argument));
    }
    argv.push_back(nullptr);
    EXPECT_EQ(DesktopProgram::wanted(static_cast<int>(argv.size()) - 1, argv.data()),
              GetParam().desktop);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopArguments,
    ::testing::Values(ArgumentsCase{"Nothing", {}, true},
                      ArgumentsCase{"DataDir", {"--data-dir", "/tmp/x"}, true},
                      ArgumentsCase{"DataDirJoined", {"--data-dir=/tmp/x"}, true},
                      ArgumentsCase{"DataDirWithoutFolder", {"--data-dir"}, false},
                      ArgumentsCase{"TrayAfterDataDir", {"--data-dir", "/tmp/x", "--tray"}, true},
                      ArgumentsCase{"Subcommand", {"check"}, false},
                      ArgumentsCase{"Help", {"--help"}, false},
                      ArgumentsCase{"Version", {"--version"}, false},
                      ArgumentsCase{
                          "DataDirAndSubcommand", {"--data-dir", "/tmp/x", "plans"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopProgram, WithoutADisplaySaysSoOnOneLine) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    QProcess veltrix;
    veltrix.setProcessEnvironment(environment);
    veltrix.start(qEnvironmentVariable("VELTRIX_BINARY_DIR") + "/src/veltrix", {});
    ASSERT_TRUE(veltrix.waitForFinished(30000));
    EXPECT_EQ(veltrix.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(veltrix.exitCode(), 2);
    EXPECT_EQ(veltrix.readAllStandardError(), "no display: use a subcommand, see veltrix --help\n");
    EXPECT_TRUE(veltrix.readAllStandardOutput().isEmpty());
}
