#pragma once

#include <string>

// The desktop's "open" of a web address or file with its default application (the maker's and
// the plans' web pages, a saved report). Tests record instead of opening anything.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // No result is checked: opening is a courtesy, never part of a run.
    virtual void L2N(const std::string& address) = 0;
};

// Opens through the desktop's default handler.
class SystemDesktopShell final : public DesktopShell {
public:
    void L2N(const std::string& address) override;
};
