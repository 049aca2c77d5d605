#include "platform/browser/NavigationWorker.h"

#include "platform/PlainText.h"

NavigationWorker::NavigationWorker(const BrowserOptions& options, Delivery deliver)
    : m_loader(options)
    , m_deliver(std::move(deliver))
    , m_thread([this] { run(); }) {}

NavigationWorker::~NavigationWorker() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wakeUp.notify_one();
    m_loader.wake();
    m_thread.join();
}

void NavigationWorker::start(std::uint64_t navigation, HttpRequest request) {
    {
        const std::lock_guard lock(m_mutex);
        m_latest = navigation;
        m_next = Job{navigation, std::move(request)};
    }
    m_wakeUp.notify_one();
    m_loader.wake();
}

void NavigationWorker::abandon(std::uint64_t navigation) {
    {
        const std::lock_guard lock(m_mutex);
        m_latest = navigation;
        m_next.reset();
    }
    m_loader.wake();
}

bool NavigationWorker::isStale(std::uint64_t navigation) const {
    return m_quit || m_latest != navigation;
}

void NavigationWorker::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wakeUp.wait(lock, [this] { return m_quit || m_next.has_value(); });
            if (m_quit) {
                return;
            }
            job = std::move(*m_next);
            m_next.reset();
        }
        const std::uint64_t navigation = job.navigation;
        PageLoader::Outcome outcome =
            m_loader.load(job.request, [this, navigation] { return isStale(navigation); });
        // a login's form body holds the password: overwrite it as soon as it has been sent
        if (job.request.formBody) {
            wipeSecret(*job.request.formBody);
            job.request.formBody.reset();
        }
        if (!outcome.abandoned && !isStale(navigation)) {
            m_deliver(navigation, std::move(outcome));
        }
    }
}
