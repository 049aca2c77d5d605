#include "platform/ColorValue.h"

#include <gtest/gtest.h>

TEST(ColorValue, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(4, 5, 6));
    EXPECT_EQ(ColorValue::toQColor(ColorValue::systemColor(ColorValue::ButtonFace), palette),
              QColor(1, 2, 3));
    EXPECT_EQ(ColorValue::toQColor(0x80000018u, palette), QColor(4, 5, 6));
}
