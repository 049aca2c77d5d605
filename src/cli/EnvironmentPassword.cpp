#include "cli/EnvironmentPassword.h"

#include "platform/PlainText.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view Name = "VELTRIX_PASSWORD";

struct Held {
    bool taken = false;
    std::optional<std::string> value;
    ~Held() {
        if (value) {
            wipeSecret(*value);
        }
    }
};

Held& held() {
    static Held instance;
    return instance;
}

} // namespace

void EnvironmentPassword::take() {
    Held& password = held();
    if (std::exchange(password.taken, true)) {
        return;
    }
    // unsetenv only drops the entries from the list: their text would stay in memory (and in
    // /proc/PID/environ) until wiped
    std::vector<char*> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (text.size() > Name.size() && text.starts_with(Name) && text[Name.size()] == '=') {
            entries.push_back(*entry);
        }
    }
    if (entries.empty()) {
        return;
    }
    password.value = std::string(entries.front() + Name.size() + 1);
    unsetenv(std::string(Name).c_str());
    for (char* entry : entries) {
        explicit_bzero(entry, std::strlen(entry));
    }
}

const std::optional<std::string>& EnvironmentPassword::value() {
    take();
    return held().value;
}
