#include "desktop/CommandRunner.h"

#include <QProcess>
#include <QStandardPaths>

CommandRunner::Outcome ProcessRunner::run(const QString& program, const QStringList& arguments) {
    Outcome outcome;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        return outcome;
    }
    QProcess process;
    process.start(path, arguments);
    outcome.started = process.waitForStarted();
    if (!outcome.started) {
        return outcome;
    }
    // a service manager that hangs must not hang the window
    if (!process.waitForFinished(static_cast<int>(m_timeout.count()))) {
        process.kill();
        process.waitForFinished(1000); // a killed child ends at once
        outcome.output = program + " did not answer within " +
                         QString::number(static_cast<double>(m_timeout.count()) / 1000) +
                         " seconds";
        return outcome;
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.output =
        QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError())
            .trimmed();
    return outcome;
}
