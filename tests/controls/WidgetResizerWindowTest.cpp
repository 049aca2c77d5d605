#include "controls/WidgetResizerWindow.h"

#include "controls/ControlResizer.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QWidget* addControl(QWidget* parent, QWidget* control, const char* name, const char* tag,
                    QRect pixels) {
    control->setParent(parent);
    control->setObjectName(name);
    control->setProperty("Tag", tag);
    control->setGeometry(pixels);
    return control;
}

} // namespace

TEST(WidgetResizerWindow, WidgetsFollowTheirRulesInTwips) {
    QWidget window;
    window.resize(480, 440); // 7200 x 6600 twips
    auto* tabs = addControl(&window, new QWidget, "ctlTabs1", "::2:2$~$", {8, 8, 456, 280});
    auto* close = addControl(&window, new QPushButton("&Close"), "cmdClose", "1440:1065::$~$",
                             {384, 369, 80, 25});
    auto* combo =
        addControl(tabs, new QComboBox, "cmbChartType", "0:2205:2:1$~$", {8, 300, 120, 21});
    combo->setProperty("Index", 0);
    addControl(&window, new QWidget, "picUntouched", "note", {0, 0, 4, 4});

    WidgetResizerWindow frm(&window);
    ASSERT_EQ(frm.controlCount(), 4); // depth first: the combo box inside the strip is second
    EXPECT_EQ(frm.typeName(1), "ComboBox");
    EXPECT_EQ(frm.index(1), 0);
    EXPECT_EQ(frm.width(), 7200);
    ControlResizer resizer;
    resizer.InitResizer(frm, frm.width(), frm.height());
    EXPECT_EQ(resizer.records()[1].keyName, "cmbChartType.0");

    window.resize(520, 480);
    resizer.FormResized(frm);
    EXPECT_EQ(close->geometry(), QRect(424, 409, 80, 25)); // 1440 and 1065 twips from the edges
    EXPECT_EQ(tabs->size(), QSize(496, 320));
    EXPECT_EQ(combo->geometry(), QRect(8, 480 - 147, 160, 21)); // its own height kept
    EXPECT_EQ(window.findChild<QWidget*>("picUntouched")->property("Tag"), "note");

    window.resize(100, 100); // below the size at load: brought back
    resizer.FormResized(frm);
    EXPECT_EQ(window.size(), QSize(480, 440));
}

TEST(WidgetResizerWindow, TheFrameAllowanceCountsInTheOuterSizeAndAGoneControlFails) {
    QWidget window;
    window.resize(480, 440);
    auto* label = addControl(&window, new QWidget, "lblGone", "", {0, 0, 10, 10});
    WidgetResizerWindow frm(&window, QSize(120, 450));
    EXPECT_EQ(frm.width(), 7320);
    frm.setWidth(7920);
    EXPECT_EQ(window.width(), 520);
    delete label;
    EXPECT_FALSE(frm.move(0, 0, 0, 10, 10));
}
