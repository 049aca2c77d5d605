#pragma once

#include <QString>
#include <QStringList>
#include <chrono>

// Runs another program and waits for it: the seam between the window and the service manager.
class CommandRunner {
public:
    struct Outcome {
        bool started = false; // false: no such program, or it could not be run
        int exitCode = -1;
        QString output; // what it wrote, standard output then standard error, trimmed
    };

    virtual ~CommandRunner() = default;
    // `program` is looked up on PATH.
    virtual Outcome run(const QString& program, const QStringList& arguments) = 0;
};

// The real thing: a child process, waited for a few seconds at most, since the window waits
// with it; one that does not answer in time is killed and reported.
class ProcessRunner final : public CommandRunner {
public:
    explicit ProcessRunner(std::chrono::milliseconds timeout = std::chrono::seconds(5))
        : m_timeout(timeout) {}
    Outcome run(const QString& program, const QStringList& arguments) override;

private:
    std::chrono::milliseconds m_timeout;
};
