#pragma once

#include <QProcess>
#include <QString>
#include <string>

// The simulated portal `veltrix demo` checks against: the `veltrix-portal-sim` program
// installed beside this one, started on a free loopback port with a seeded month of a few
// thousand connections up to this very moment, and stopped when this object goes.
class DemoPortal {
public:
    static constexpr const char* UserName = "demo";
    static constexpr const char* Password = "demo";

    // Throws CliError when the program is missing or does not come up.
    DemoPortal();
    ~DemoPortal();
    DemoPortal(const DemoPortal&) = delete;
    DemoPortal& operator=(const DemoPortal&) = delete;

    const std::string& baseUrl() const { return m_baseUrl; }

    // Keeps the portal running until the user ends the command (Ctrl+C, SIGTERM). Throws
    // CliError when the portal itself stops first.
    void serveUntilInterrupted();

    // Where the simulator is looked for: beside the running program (a build tree), then in
    // ../libexec/veltrix (an installed program).
    static QString programPath();

private:
    QProcess m_process;
    std::string m_baseUrl;
};
