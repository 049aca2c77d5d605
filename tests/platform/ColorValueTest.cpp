#include "platform/ColorValue.h"

#include <gtest/gtest.h>

TEST(ColorValue, RgbValuesHoldRedInTheLowestByte) {
    EXPECT_EQ(ColorValue::rgb(225, 255, 225), 14811105u);
    const QColor blue = ColorValue::toQColor(16711680u);
    EXPECT_EQ(blue, QColor(0, 0, 255));
    EXPECT_EQ(ColorValue::fromQColor(QColor(10, 200, 25)), ColorValue::rgb(10, 200, 25));
}

TEST(ColorValue, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(4, 5, 6));
    EXPECT_EQ(ColorValue::toQColor(ColorValue::systemColor(ColorValue::ButtonFace), palette),
              QColor(1, 2, 3));
    EXPECT_EQ(ColorValue::toQColor(0x80000018u, palette), QColor(4, 5, 6));
}
