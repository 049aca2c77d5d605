#include "controls/WidgetResizerWindow.h"

#include "controls/ControlResizer.h"

#include <QComboBox>
#include <gtest/gtest.h>

// Both windows are laid out through this adapter in the desktop tests; what they do not meet is
// a combo box with a height rule and a control array member.
TEST(WidgetResizerWindow, CombosKeepTheirHeightAndArraysAreNamedByIndex) {
    QWidget window;
    window.resize(480, 440); // 7200 x 6600 twips
    auto* combo = new QComboBox(&window);
    combo->setObjectName("cmbChartType");
    combo->setProperty("Index", 0);
    combo->setProperty("Tag", "0:2205:2:1$~$");
    combo->setGeometry(8, 300, 120, 21);
    EXPECT_EQ(WidgetResizerWindow(&window, QSize(120, 450)).width(), 7320);
    WidgetResizerWindow frm(&window);
    ControlResizer resizer;
    resizer.InitResizer(frm, frm.width(), frm.height());
    EXPECT_EQ(resizer.records()[0].keyName, "cmbChartType.0");
    window.resize(520, 480);
    resizer.FormResized(frm);
    EXPECT_EQ(combo->geometry(), QRect(8, 480 - 147, 160, 21)); // its own height kept
}
