#pragma once

#include "retrieval/PortalSession.h"

#include <QElapsedTimer>
#include <cstdio>
#include <string>

// The one line of progress a portal run keeps rewriting on a terminal's stderr: the stage,
// then pages, rows and elapsed time while walking. Silent when stderr is no terminal.
class ProgressLine {
public:
    // `enabled` false writes nothing at all.
    explicit ProgressLine(bool enabled, std::FILE* out = stderr);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(const RunProgress& progress);
    // Clears the line, so what follows starts on a clean one.
    void clear();

    // The text for a stage and counts, e.g. "page 12, 240 rows, 3.4 s".
    static std::string text(const RunProgress& progress, double seconds);
    // True when stderr is a terminal and --quiet was not given.
    static bool wanted(bool quiet);

private:
    bool m_enabled;
    std::FILE* m_out;
    QElapsedTimer m_clock;
    bool m_shown = false;
};
