#include "controls/ControlResizer.h"

#include "FakeResizerWindow.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Geometry = ResizerWindow::Geometry;

// The main window's design size, 7200 x 6600 twips, and its close button's rule (the whole
// window is laid out by its real rules in the desktop tests).
FakeResizerWindow mainWindow() {
    FakeResizerWindow w(7200, 6600);
    w.add("cmdClose", "1440:1065::$~$", {5760, 5535, 1200, 375}, "CommandButton");
    return w;
}

// The result window's kinds of rule at 9600 x 7800 twips (its whole design is laid out by the
// desktop tests). The chart option frame comes before OLE1, whose new place it follows.
FakeResizerWindow resultWindow() {
    FakeResizerWindow w(9600, 7800);
    w.add("fraChartColors", "5500:60_OLE1::$~$", {4100, 5535, 4000, 600});
    w.add("OLE1", "0:0:645:2325$~$", {60, 240, 8895, 5235}, "OLE");
    w.add("fraReportFooter", "5790:2235::$~$", {3810, 5565, 5400, 500});
    w.add("fraFooter", ":1410:1:$~$TTFF*/", {60, 6390, 9300, 900});
    return w;
}

QString order(const ControlResizer& resizer) {
    QStringList names;
    for (const auto& record : resizer.records()) {
        names << QString("%1 %2").arg(record.keyName).arg(record.level);
    }
    return names.join(", ");
}

} // namespace

TEST(ControlResizer, TheResultWindowFollowsItsEdgesAndTheChartBox) {
    auto w = resultWindow();
    ControlResizer resizer;
    resizer.InitResizer(w, 9600, 7800);
    EXPECT_TRUE(order(resizer).endsWith("fraChartColors 2"));
    w.resize(12000, 9000);
    resizer.FormResized(w);
    const auto chart = w.at("OLE1");
    EXPECT_EQ(chart, (Geometry{60, 240, 12000 - 60 - 645, 9000 - 240 - 2325}));
    EXPECT_EQ(w.at("fraChartColors"),
              (Geometry{12000 - 5500, chart.top + chart.height + 60, 4000, 600}));
    EXPECT_EQ(w.at("fraReportFooter"), (Geometry{12000 - 5790, 9000 - 2235, 5400, 500}));
    EXPECT_EQ(w.at("fraFooter"), (Geometry{60, 9000 - 1410, 11625, 900})); // 9300 * 1.25
    EXPECT_EQ(w.control("fraFooter").tag, "TTFF*/");
}

// The windows' tests show a size below the design one brought back; here, minimising.
TEST(ControlResizer, MinimisingAndRestoringMoveNothingAndAMaximisedWindowIsLaidOut) {
    auto w = mainWindow();
    ControlResizer resizer;
    resizer.InitResizer(w, 7200, 6600);
    w.windowState = ResizerWindow::State::Minimized;
    resizer.FormResized(w);
    w.windowState = ResizerWindow::State::Normal;
    w.resize(8000, 7000);
    resizer.FormResized(w); // restoring moves nothing
    EXPECT_EQ(w.moves, 0);
    w.windowState = ResizerWindow::State::Maximized;
    w.resize(9000, 7000);
    resizer.FormResized(w);
    EXPECT_EQ(w.at("cmdClose").left, 9000 - 1440);
}

TEST(ControlResizer, ReferencedSizesStretchToTheReferenceOrStopBeforeIt) {
    FakeResizerWindow w(8000, 6000);
    w.add("picLeft", "2:::$~$", {1000, 500, 2000, 1000});
    w.add("besideRight", "5_picLeft:5_picLeft:0:0$~$", {0, 0, 300, 200});
    w.add("stretch", "0:0:5_picLeft:5_picLeft$~$", {200, 100, 10, 10});
    w.add("before", "0:0:120_picLeft:-60_picLeft$~$", {100, 50, 10, 10});
    ControlResizer resizer;
    resizer.InitResizer(w, 0, 0);
    w.resize(8500, 6000);
    resizer.FormResized(w);
    EXPECT_EQ(w.at("besideRight"), (Geometry{3200, 1300, 300, 200}));
    EXPECT_EQ(w.at("stretch"), (Geometry{200, 100, 3300, 1400}));
    // right edge 120 before picLeft's left edge; bottom edge 60 past its top edge
    EXPECT_EQ(w.at("before"), (Geometry{100, 50, 1500 - 120 - 100, 500 + 60 - 50}));
}
