#pragma once

#include <QGuiApplication>
#include <QString>
#include <memory>

// Makes sure the process has the Qt application that event loops, fonts and painting need,
// for work without a window (the command line, tests). Without a display (no DISPLAY or
// WAYLAND_DISPLAY, no QT_QPA_PLATFORM) it picks the offscreen platform. Work that draws no
// picture makes do with a core application: the platform and its fonts cost a tenth of a
// short command. Keep the object alive while the work goes on; it deletes only an
// application it created.
class HeadlessApplication {
public:
    enum class Painting { Needed, NotNeeded };

    explicit HeadlessApplication(Painting painting = Painting::Needed);
    ~HeadlessApplication();
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

    // Empty when painting can go ahead; otherwise why not (a plain QCoreApplication exists).
    QString problem() const { return m_problem; }

private:
    int m_argc = 1;
    char m_name[8] = "veltrix";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_application;
    QString m_problem;
};
