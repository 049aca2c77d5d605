#pragma once

// The real `veltrix` binary run as a user runs it, as a subprocess, with what it printed.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;

    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

inline QString binary() {
    return qEnvironmentVariable("VELTRIX_BINARY_DIR") + "/src/veltrix";
}

// `veltrix check` of the portal at that address as José, the password read from standard input.
inline QStringList checkOf(const std::string& portalUrl) {
    return {"check",  "--portal",  QString::fromStdString(portalUrl),
            "--user", "Jos\u00e9", "--password-stdin"};
}

inline Result
veltrix(const QStringList& arguments, const QByteArray& input = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binary(), arguments);
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "cannot start " << binary().toStdString();
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        ADD_FAILURE() << "veltrix did not finish: " << arguments.join(' ').toStdString();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}
