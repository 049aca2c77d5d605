#include "support/PrivateSessionBus.h"

#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr char Marker[] = "VELTRIX_PRIVATE_SESSION_BUS";

} // namespace

bool PrivateSessionBus::inside() {
    const char* marker = std::getenv(Marker);
    return marker != nullptr && std::strcmp(marker, "1") == 0;
}

void PrivateSessionBus::enter(int argc, char** argv) {
    if (inside()) {
        return;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            return; // listing the tests needs no bus
        }
    }
    const std::string runner = QStandardPaths::findExecutable("dbus-run-session").toStdString();
    if (runner.empty()) {
        return;
    }
    std::vector<char*> arguments = {const_cast<char*>(runner.c_str()), const_cast<char*>("--")};
    arguments.insert(arguments.end(), argv, argv + argc);
    arguments.push_back(nullptr);
    setenv(Marker, "1", 1);
    execv(runner.c_str(), arguments.data());
    unsetenv(Marker); // could not start it: run here, where the tests skip
}

const char* PrivateSessionBus::missingReason() {
    return "dbus-run-session (Debian package dbus) is not installed: no private session bus";
}
