// A walk of 200 record pages through CurlBrowser (each "Next Page" clicked from
// DocumentComplete, as the page walk does) against the in-process simulated portal, measured
// in the same run as 200 plain sequential libcurl GETs of the same addresses on one kept-alive
// connection. The counter "ratio" is the walk's time over the plain GETs' time.
#include "platform/TextEncoding.h"
#include "platform/browser/CurlBrowser.h"
#include "platform/dom/Document.h"
#include "platform/dom/FormFields.h"
#include "portal-sim/SimulatedPortal.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <benchmark/benchmark.h>
#include <chrono>
#include <curl/curl.h>
#include <functional>
#include <httplib.h>
#include <stdexcept>
#include <thread>

namespace {

constexpr int pages = 200;

using Clock = std::chrono::steady_clock;

SimConfig portalConfig() {
    SimConfig config;
    config.today = QDate(2024, 3, 15);
    config.pageSize = 20;
    config.rowsPerMonth = pages * config.pageSize; // last month: exactly 200 pages
    return config;
}

std::string recordPage(const SimulatedPortal& portal, int page) {
    return portal.baseUrl() + "records/Results?month=" + portal.monthBack(1).text() +
           "&page=" + std::to_string(page);
}

Element* linkNamed(const Document& document, const std::string& text) {
    for (Element* link : document.links()) {
        if (link->innerText() == text) {
            return link;
        }
    }
    return nullptr;
}

// Runs the owner's event loop while `step` is handed each completed page; `step` returns
// false to end the run.
void runUntil(Browser& browser, const std::function<bool()>& step) {
    QEventLoop loop;
    const auto done =
        QObject::connect(&browser, &Browser::DocumentComplete, &loop, [&](const std::string&) {
            if (!step()) {
                loop.quit();
            }
        });
    const auto failed = QObject::connect(&browser, &Browser::NavigationFailed, &loop,
                                         [&loop](const BrowserFailure& failure) {
                                             loop.exit(1);
                                             throw std::runtime_error(failure.message);
                                         });
    loop.exec();
    QObject::disconnect(done);
    QObject::disconnect(failed);
}

void logIn(CurlBrowser& browser, const SimulatedPortal& portal) {
    browser.Navigate(portal.baseUrl());
    runUntil(browser, [] { return false; });
    Element& form = *browser.document()->forms()[0];
    FormFields::setValue(*FormFields::named(form, "username")[0], "demo");
    FormFields::setValue(*FormFields::named(form, "Password")[0], "demo");
    browser.submit(form);
    runUntil(browser, [] { return false; });
}

// The walk: the first page by address, then every next page by clicking its link.
double walkSeconds(CurlBrowser& browser, const std::string& firstPage) {
    int loaded = 0;
    const auto start = Clock::now();
    browser.Navigate(firstPage);
    runUntil(browser, [&] {
        Element* next = linkNamed(*browser.document(), "Next Page");
        if (++loaded == pages || next == nullptr) {
            return false;
        }
        browser.click(*next);
        return true;
    });
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (loaded != pages) {
        throw std::runtime_error("the walk stopped after " + std::to_string(loaded) + " pages");
    }
    return elapsed.count();
}

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

// The yardstick: one easy handle GETting the same 200 addresses in turn.
class PlainGets {
public:
    explicit PlainGets(const std::function<std::string(int)>& address)
        : m_easy(curl_easy_init()) {
        curl_easy_setopt(m_easy, CURLOPT_COOKIEFILE, "");
        curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &appendBody);
        curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, &m_body);
        for (int page = 1; page <= pages; ++page) {
            m_addresses.push_back(address(page));
        }
    }
    ~PlainGets() { curl_easy_cleanup(m_easy); }
    PlainGets(const PlainGets&) = delete;
    PlainGets& operator=(const PlainGets&) = delete;

    void logIn(const SimulatedPortal& portal) {
        curl_easy_setopt(m_easy, CURLOPT_URL, (portal.baseUrl() + "login").c_str());
        curl_easy_setopt(m_easy, CURLOPT_COPYPOSTFIELDS, "username=demo&Password=demo");
        curl_easy_perform(m_easy);
        curl_easy_setopt(m_easy, CURLOPT_HTTPGET, 1L);
    }
    const std::string& get(const std::string& address) {
        m_body.clear();
        curl_easy_setopt(m_easy, CURLOPT_URL, address.c_str());
        if (curl_easy_perform(m_easy) != CURLE_OK || m_body.empty()) {
            throw std::runtime_error("plain GET failed: " + address);
        }
        return m_body;
    }
    double seconds() {
        const auto start = Clock::now();
        for (const std::string& address : m_addresses) {
            get(address);
        }
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        return elapsed.count();
    }
    const std::string& first() const { return m_addresses.front(); }

private:
    CURL* m_easy;
    std::string m_body;
    std::vector<std::string> m_addresses;
};

void compareWalks(benchmark::State& state, CurlBrowser& browser, PlainGets& plain) {
    double walkTotal = 0;
    double plainTotal = 0;
    for (auto _ : state) {
        const double walk = walkSeconds(browser, plain.first());
        const double gets = plain.seconds();
        state.SetIterationTime(walk);
        walkTotal += walk;
        plainTotal += gets;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["walk_ms"] = 1000 * walkTotal / runs;
    state.counters["plain_ms"] = 1000 * plainTotal / runs;
    state.counters["extra_us_per_page"] = 1e6 * (walkTotal - plainTotal) / runs / pages;
    state.counters["ratio"] = walkTotal / plainTotal;
}

void BM_Walk200PagesAgainstPlainGets(benchmark::State& state) {
    SimulatedPortal portal(portalConfig());
    if (!portal.start()) {
        state.SkipWithError("the simulated portal did not start");
        return;
    }
    SimFaults faults;
    faults.delayMs = static_cast<int>(state.range(0));
    portal.setFaults(faults);
    CurlBrowser browser;
    logIn(browser, portal);
    PlainGets plain([&portal](int page) { return recordPage(portal, page); });
    plain.logIn(portal);
    compareWalks(state, browser, plain);
}
BENCHMARK(BM_Walk200PagesAgainstPlainGets)
    ->Arg(0)
    ->Arg(2)
    ->ArgName("delay_ms")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// The browser's own cost per page (thread hand-overs, events, the click) with the page and
// its parse made negligible: 200 tiny pages, each linking to the next.
void BM_Walk200TinyPagesAgainstPlainGets(benchmark::State& state) {
    httplib::Server server;
    server.set_tcp_nodelay(true);
    server.set_keep_alive_max_count(1000000); // one connection for the whole walk
    server.Get(R"(/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
        const int page = std::stoi(request.matches[1]);
        response.set_content("<a href=" + std::to_string(page + 1) + ">Next Page</a>", "text/html");
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread thread([&server] { server.listen_after_bind(); });
    while (!server.is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const std::string base = "http://127.0.0.1:" + std::to_string(port) + "/";
    {
        CurlBrowser browser;
        PlainGets plain([&base](int page) { return base + std::to_string(page); });
        compareWalks(state, browser, plain);
    }
    server.stop();
    thread.join();
}
BENCHMARK(BM_Walk200TinyPagesAgainstPlainGets)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// What a record page costs the worker beyond the network: decoding and parsing it.
void BM_DecodeAndParseRecordPage(benchmark::State& state) {
    SimulatedPortal portal(portalConfig());
    portal.start();
    PlainGets plain([&portal](int page) { return recordPage(portal, page); });
    plain.logIn(portal);
    const std::string page = plain.get(plain.first());
    for (auto _ : state) {
        auto document =
            Document::parse(TextEncoding::decodePage(page, "text/html; charset=ISO-8859-1"));
        benchmark::DoNotOptimize(document.get());
    }
    state.counters["page_bytes"] = static_cast<double>(page.size());
}
BENCHMARK(BM_DecodeAndParseRecordPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
