// `veltrix history` over 24 stored months of 20,000 rows each: cold (no history.sqlite, every
// month read) against warm (the history up to date), and cold against reading the same 24
// months with `veltrix report --json` one after another. Whole processes, start included.
// usage: bench_history [VELTRIX] [ROUNDS]   (VELTRIX defaults to the veltrix of this build)
#include "platform/Failure.h"
#include "platform/SingleByteText.h"
#include "retrieval/FileDataStore.h"
#include "support/SampleMonthRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Months = 24;
constexpr int RowsPerMonth = 20000;

double secondsOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        // a program that did not start or crashed says so only through errorString
        std::fprintf(stderr, "%s %s failed: %s%s\n", qPrintable(program),
                     qPrintable(arguments.join(' ')), process.readAllStandardError().constData(),
                     qPrintable(process.errorString()));
        std::exit(1);
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

double median(int rounds, const std::function<double()>& run) {
    std::vector<double> seconds;
    for (int i = 0; i < rounds; ++i) {
        seconds.push_back(run());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QString veltrix =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELTRIX_PROGRAM);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QTemporaryDir data;
    QStringList entries;
    for (int m = 0; m < Months; ++m) {
        const QString month =
            QString("%1-%2").arg(2005 + m / 12).arg(1 + m % 12, 2, 10, QChar('0'));
        entries << month + "-bench";
        try {
            FileDataStore::SaveFileData(data.filePath(entries.back() + ".cache"),
                                        sampleMonthRows(RowsPerMonth, month.toStdString(), 28),
                                        true);
        } catch (const Failure& failure) {
            std::fprintf(stderr, "%s\n", failure.what());
            return 1;
        }
    }
    const QStringList history = {"history", "--data-dir", data.path()};
    const auto dropHistory = [&data] {
        for (const QString& name : QDir(data.path()).entryList({"history.sqlite*"})) {
            QFile::remove(data.filePath(name));
        }
    };
    const double cold = median(rounds, [&] {
        dropHistory();
        return secondsOf(veltrix, history);
    });
    const double warm = median(rounds, [&] { return secondsOf(veltrix, history); });
    // the reports find their months in the history already, as they would after a check
    const double reports = median(rounds, [&] {
        double total = 0;
        for (const QString& entry : entries) {
            total += secondsOf(veltrix, {"report", "--cache-entry", entry, "--data-dir",
                                         data.path(), "--json", "-"});
        }
        return total;
    });
    std::printf("%d months of %d rows, medians of %d rounds\n", Months, RowsPerMonth, rounds);
    std::printf("history cold           %8.3f s\n", cold);
    std::printf("history warm           %8.3f s   warm / cold    = %.3f (at most 0.2)\n", warm,
                warm / cold);
    std::printf("24 x report --json     %8.3f s   cold / reports = %.3f (at most 1.2)\n", reports,
                cold / reports);
    return 0;
}
