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
    return progress.text(seconds);
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
