#pragma once

#include "platform/Failure.h"

#include <string>

// A failure of the command line itself (an option that makes no sense, a file it cannot
// write), with the exit status to end on.
class CliError : public Failure {
public:
    explicit CliError(const std::string& message, int exitCode = 1)
        : Failure(message)
        , m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

// A log row the report refused: the one failure that may point at a stored month file.
class BadRowError : public CliError {
public:
    using CliError::CliError;
};
