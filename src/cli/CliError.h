#pragma once

#include "platform/Failure.h"

#include <exception>
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

// Not a failure: the command did all it was asked and ends with a status that tells a script
// more (a scheduled check that raised an alert). Nothing more is printed.
class CompletedWithStatus : public std::exception {
public:
    explicit CompletedWithStatus(int exitCode)
        : m_exitCode(exitCode) {}
    const char* what() const noexcept override { return "completed with a status"; }
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

// A log row the report refused: the one failure that may point at a stored month file.
class BadRowError : public CliError {
public:
    using CliError::CliError;
};
