#pragma once

#include "platform/browser/BrowserOptions.h"
#include "platform/browser/HttpRequest.h"
#include "platform/browser/PageLoader.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// The one thread a browser's pages are fetched and parsed on, for the browser's whole life.
// Navigations are numbered by the owner; only the latest one is wanted, so starting or
// abandoning one stops the transfer in progress at once, and a page that is no longer wanted
// is never delivered.
class NavigationWorker {
public:
    // Called on the worker thread with a finished navigation (a page or a failure).
    using Delivery = std::function<void(std::uint64_t navigation, PageLoader::Outcome outcome)>;

    NavigationWorker(const BrowserOptions& options, Delivery deliver);
    ~NavigationWorker();
    NavigationWorker(const NavigationWorker&) = delete;
    NavigationWorker& operator=(const NavigationWorker&) = delete;

    // Loads `request` as navigation `navigation` (a number above any earlier one).
    void start(std::uint64_t navigation, HttpRequest request);
    // Makes `navigation` the latest without loading anything: earlier ones are dropped.
    void abandon(std::uint64_t navigation);

private:
    struct Job {
        std::uint64_t navigation = 0;
        HttpRequest request;
    };

    void run();
    bool isStale(std::uint64_t navigation) const;

    PageLoader m_loader;
    Delivery m_deliver;
    std::mutex m_mutex;
    std::condition_variable m_wakeUp;
    std::optional<Job> m_next; // guarded by m_mutex
    std::atomic<std::uint64_t> m_latest{0};
    std::atomic<bool> m_quit{false};
    std::thread m_thread; // last: starts once everything above exists
};
