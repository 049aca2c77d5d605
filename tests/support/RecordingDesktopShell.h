#pragma once

#include "platform/DesktopShell.h"

#include <string>
#include <vector>

// Keeps the addresses it was asked to open instead of opening them.
class RecordingDesktopShell final : public DesktopShell {
public:
    void L2N(const std::string& address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};
