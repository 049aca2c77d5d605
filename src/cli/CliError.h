#pragma once

#include <stdexcept>
#include <string>

// A failure the command line reports as one line on stderr with a non-zero exit status.
class CliError : public std::runtime_error {
public:
    explicit CliError(const std::string& message, int exitCode = 1)
        : std::runtime_error(message)
        , m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};
