#include "cli/ProgressLine.h"

#include <cstdlib>
#include <unistd.h>

ProgressLine::ProgressLine(bool enabled, std::FILE* out)
    : m_enabled(enabled)
    , m_out(out) {
    m_clock.start();
}

ProgressLine::~ProgressLine() {
    clear();
}

bool ProgressLine::wanted(bool quiet) {
    const char* terminal = std::getenv("TERM");
    return !quiet && isatty(STDERR_FILENO) == 1 &&
           !(terminal != nullptr && std::string(terminal) == "dumb");
}

std::string ProgressLine::text(const RunProgress& progress, double seconds) {
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.1f s", seconds);
    switch (progress.stage) {
    case RunProgress::Stage::OpeningPortal:
        return std::string("opening the portal, ") + elapsed;
    case RunProgress::Stage::LoggingIn:
        return std::string("logging in, ") + elapsed;
    case RunProgress::Stage::OpeningRecords:
        return std::string("opening the service records, ") + elapsed;
    case RunProgress::Stage::QueryingMonth:
        return std::string("asking for the month, ") + elapsed;
    case RunProgress::Stage::Walking:
        break;
    }
    return "page " + std::to_string(progress.pages) + ", " + std::to_string(progress.rows) +
           (progress.rows == 1 ? " row, " : " rows, ") + elapsed;
}

void ProgressLine::show(const RunProgress& progress) {
    if (!m_enabled) {
        return;
    }
    const double seconds = static_cast<double>(m_clock.elapsed()) / 1000.0;
    // \r and "erase to the end of the line" keep it to one line however it shrinks
    std::fprintf(m_out, "\r\033[Kveltrix: %s", text(progress, seconds).c_str());
    std::fflush(m_out);
    m_shown = true;
}

void ProgressLine::clear() {
    if (m_shown) {
        std::fputs("\r\033[K", m_out);
        std::fflush(m_out);
        m_shown = false;
    }
}
