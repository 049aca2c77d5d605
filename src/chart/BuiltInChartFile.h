#pragma once

#include "chart/ChartFeed.h"

#include <QGuiApplication>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

// Makes sure the process has a QGuiApplication, which fonts and painting need. Without a
// display (no DISPLAY or WAYLAND_DISPLAY, no QT_QPA_PLATFORM) it picks the offscreen platform.
// Keep the object alive while charts are drawn; it deletes only an application it created.
class HeadlessGui {
public:
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

    // Empty when painting can go ahead; otherwise why not (a plain QCoreApplication exists).
    QString problem() const { return m_problem; }

private:
    int m_argc = 1;
    char m_name[8] = "veltrix";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
    QString m_problem;
};

// Chart images for the command line: the built-in chart of a month exactly as the result
// window shows it, written to a PNG or SVG file.
namespace BuiltInChartFile {

inline constexpr QSize DefaultSize{900, 500};

// "WxH" in pixels, each between 50 and 10000; nullopt for anything else.
std::optional<QSize> parseSize(const QString& text);

// Needs a QGuiApplication (see HeadlessGui). Empty on success, else what went wrong.
QString render(const ChartFeedInput& input, const QString& path, QSize pixels = DefaultSize);

} // namespace BuiltInChartFile
