#include "cli/DemoPortal.h"

#include "cli/CliError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>
#include <unistd.h>

namespace {

constexpr int StartMilliseconds = 10000;
const char* const ProgramName = "veltrix-portal-sim";

volatile std::sig_atomic_t g_interrupted = 0;

void onInterrupt(int) {
    g_interrupted = 1;
}

QStringList portalArguments() {
    const QDateTime now = QDateTime::currentDateTime();
    return {"--port",      "0",
            "--seed",      "20070315",
            "--rows",      "4000",
            "--page-size", "20",
            "--today",     now.date().toString(Qt::ISODate),
            "--time",      now.time().toString("HH:mm:ss"),
            "--user",      DemoPortal::UserName,
            "--password",  DemoPortal::Password};
}

} // namespace

QString DemoPortal::programPath() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(ProgramName),
                                     here.filePath(QString("../libexec/veltrix/") + ProgramName)}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}

DemoPortal::DemoPortal() {
    const QString program = programPath();
    if (program.isEmpty()) {
        throw CliError(std::string("cannot find the demo portal: ") + ProgramName +
                       " is not installed beside " +
                       QCoreApplication::applicationFilePath().toStdString());
    }
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // a process group of its own: Ctrl+C reaches this program, which stops the portal in order
    m_process.setChildProcessModifier([] { setpgid(0, 0); });
    m_process.start(program, portalArguments(), QIODevice::ReadOnly);
    // the simulator announces its address on its first line once it listens
    const QRegularExpression announcement("^Simulated portal at (\\S+)");
    QByteArray firstLine;
    while (!firstLine.endsWith('\n') && m_process.waitForReadyRead(StartMilliseconds)) {
        firstLine += m_process.readLine();
    }
    const auto match = announcement.match(QString::fromUtf8(firstLine));
    if (!match.hasMatch()) {
        throw CliError("cannot start the demo portal " + program.toStdString() + ": " +
                       (m_process.error() == QProcess::FailedToStart
                            ? m_process.errorString().toStdString()
                            : std::string("it did not announce its address")));
    }
    m_baseUrl = match.captured(1).toStdString();
}

DemoPortal::~DemoPortal() {
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    m_process.terminate(); // SIGTERM: the simulator stops its server and exits
    if (!m_process.waitForFinished(StartMilliseconds)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void DemoPortal::serveUntilInterrupted() {
    g_interrupted = 0;
    struct sigaction interrupt {};
    interrupt.sa_handler = onInterrupt;
    struct sigaction oldInt {};
    struct sigaction oldTerm {};
    sigaction(SIGINT, &interrupt, &oldInt);
    sigaction(SIGTERM, &interrupt, &oldTerm);
    while (g_interrupted == 0 && m_process.state() != QProcess::NotRunning) {
        m_process.waitForFinished(200);
    }
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    if (g_interrupted == 0) {
        throw CliError("the demo portal stopped by itself");
    }
}
