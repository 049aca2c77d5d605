// The page walk over loopback against the simulated portal: a whole check of a 200-page month
// (login, query and every record page) against the same 200 pages fetched with plain
// sequential libcurl GETs on one kept-alive connection, in the same iteration; and a second
// walk after one new page of rows, which must fetch 2 pages or fewer and report the same month;
// and the walk's own steps on pages already loaded, without the browser.
#include "cli/PortalCheck.h"
#include "cli/ProgressLine.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "portal-sim/SimLog.h"
#include "portal-sim/SimPageWriter.h"
#include "portal-sim/SimRecordPageWriter.h"
#include "portal-sim/SimText.h"
#include "portal-sim/SimulatedPortal.h"
#include "retrieval/PortalBrowser.h"
#include "retrieval/RecordPageWalk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <curl/curl.h>

namespace {

constexpr int Pages = 200;
constexpr auto Timeout = std::chrono::seconds(30);

// February 2007 is a whole past month: 4000 rows, 200 pages of 20.
SimConfig benchPortal(int delayMs) {
    SimConfig config;
    config.seed = 7;
    config.rowsPerMonth = Pages * 20;
    config.pageSize = 20;
    config.today = QDate(2007, 3, 15);
    config.faults.delayMs = delayMs;
    return config;
}

RunRequest checkOf(const SimulatedPortal& portal, int monthsBack, const QString& folder = {}) {
    return RunRequest::passwordVersion(portal.baseUrl(), "demo", "demo", monthsBack, folder);
}

CheckOutcome walk(const RunRequest& request) {
    const auto browser = PortalBrowser::make(Timeout);
    ProgressLine silent(false);
    return PortalCheck::run(*browser, request, Timeout, silent);
}

std::size_t discard(char*, std::size_t size, std::size_t count, void* bytes) {
    *static_cast<std::size_t*>(bytes) += size * count;
    return size * count;
}

// Logs in once, then times the 200 record pages alone.
double plainFetchSeconds(const SimulatedPortal& portal) {
    CURL* curl = curl_easy_init();
    std::size_t bytes = 0;
    curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &bytes);
    const std::string base = portal.baseUrl();
    curl_easy_setopt(curl, CURLOPT_URL, (base + "login").c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "username=demo&Password=demo");
    curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    QElapsedTimer clock;
    clock.start();
    for (int page = 1; page <= Pages; ++page) {
        const std::string url = base + "records/Results?month=2007-02&page=" + std::to_string(page);
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        if (curl_easy_perform(curl) != CURLE_OK) {
            break;
        }
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    curl_easy_cleanup(curl);
    benchmark::DoNotOptimize(bytes);
    return seconds;
}

void BM_WalkAgainstPlainFetch(benchmark::State& state) {
    SimulatedPortal portal(benchPortal(static_cast<int>(state.range(0))));
    if (!portal.start()) {
        state.SkipWithError("cannot start the portal");
        return;
    }
    double walkSeconds = 0;
    double fetchSeconds = 0;
    for (auto _ : state) {
        fetchSeconds += plainFetchSeconds(portal);
        const CheckOutcome outcome = walk(checkOf(portal, 1));
        if (!outcome.month || outcome.pagesFetched != Pages) {
            state.SkipWithError(outcome.failure.oneLine().c_str());
            return;
        }
        walkSeconds += outcome.seconds;
        state.SetIterationTime(outcome.seconds);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["walk_ms"] = walkSeconds / n * 1e3;
    state.counters["curl_ms"] = fetchSeconds / n * 1e3;
    state.counters["ratio"] = walkSeconds / fetchSeconds;
    state.counters["extra_ms_per_page"] = (walkSeconds - fetchSeconds) / n / Pages * 1e3;
}

// The 200 record pages as loaded documents (top page with the record page in its frame).
std::vector<std::unique_ptr<Document>> loadedPages() {
    const SimConfig config = benchPortal(0);
    SimLog log(config.seed, config.rowsPerMonth, SimTime::fromDate(config.today));
    const SimMonthLog& month = log.month({2007, 2});
    std::vector<std::unique_ptr<Document>> pages;
    for (int number = 1; number <= Pages; ++number) {
        const SimRecordPage content{{2007, 2},
                                    "demo",
                                    month.sendKB(),
                                    month.receiveKB(),
                                    month.page(number, config.pageSize),
                                    number,
                                    Pages};
        auto top = Document::parse(SimText::utf8FromLatin1(
            SimPageWriter::topPage("Records", "demo", "/records/Results", config.today)));
        top->frames().at(0)->setContentDocument(
            Document::parse(SimText::utf8FromLatin1(SimRecordPageWriter::write(content))));
        pages.push_back(std::move(top));
    }
    return pages;
}

// The walk's own share of a page: everything it does once the browser has the document.
void BM_WalkStepsOnLoadedPages(benchmark::State& state) {
    const auto pages = loadedPages();
    for (auto _ : state) {
        RecordPageWalk walk({false, {}, "demo", {}});
        for (const auto& page : pages) {
            benchmark::DoNotOptimize(walk.ProcessRecordPage(*page).kind);
        }
        if (walk.rowsTaken() != Pages * 20) {
            state.SkipWithError("the walk did not take every row");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * Pages);
}

std::string reportOf(const MonthRecord& month) {
    ReportBuilder builder;
    Document report{Document::Scripts::Strip};
    builder.GrabbingFinished(month);
    ReportOptions options;
    options.mblnNightUnlimitedPlan = true;
    builder.WriteOutput(options, &report);
    return report.outerHTML();
}

void BM_SecondWalkAfterOneNewPage(benchmark::State& state) {
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SimConfig config = benchPortal(0);
        config.today = QDate(2007, 2, 28);
        config.nowSecondsOfDay = 86399; // the current month is February, all of it
        SimulatedPortal portal(config);
        QTemporaryDir folder;
        portal.start();
        walk(checkOf(portal, 0, folder.path()));
        portal.addRows(20);
        state.ResumeTiming();
        const CheckOutcome second = walk(checkOf(portal, 0, folder.path()));
        state.PauseTiming();
        const CheckOutcome full = walk(checkOf(portal, 0));
        if (!second.month || !full.month || second.pagesFetched > 2 ||
            reportOf(*second.month) != reportOf(*full.month)) {
            state.SkipWithError("the second walk fetched too much or reported another month");
            return;
        }
        pages = second.pagesFetched;
        state.ResumeTiming();
    }
    state.counters["pages_fetched"] = pages;
}

} // namespace

BENCHMARK(BM_WalkAgainstPlainFetch)
    ->Arg(0)
    ->Arg(2)
    ->ArgName("delay_ms")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_WalkStepsOnLoadedPages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondWalkAfterOneNewPage)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv); // the walk runs on the event loop
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
