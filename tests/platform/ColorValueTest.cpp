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

TEST(ColorValue, TextIsTakenTowardsBlackOrWhiteJustFarEnoughToRead) {
    const QColor pink(0xff, 0x80, 0x80);
    const QColor green(0x00, 0xc0, 0x00);
    const struct {
        const char* name;
        std::initializer_list<QColor> backgrounds;
        QColor preferred;
        bool kept;
    } cases[] = {
        {"black on white stays", {Qt::white}, Qt::black, true},
        {"white caption on a grey tab", {QColor(0xb8, 0xb8, 0xb8)}, Qt::white, false},
        {"blue link on near-black",
         {QColor(53, 53, 53), QColor(42, 42, 42)},
         QColor(42, 130, 218),
         false},
        {"white figure across pink and green", {pink, green}, Qt::white, false},
    };
    for (const auto& c : cases) {
        const QColor text = ColorValue::legibleOn(c.backgrounds, c.preferred);
        EXPECT_EQ(text == c.preferred, c.kept) << c.name;
        for (const QColor& background : c.backgrounds) {
            EXPECT_GE(ColorValue::contrastRatio(background, text), 4.5) << c.name;
        }
    }
    // a link is made lighter, not turned white: it stays blue
    const QColor link = ColorValue::legibleOn(QColor(53, 53, 53), QColor(42, 130, 218));
    EXPECT_GT(link.blue(), link.red() + 40) << link.name().toStdString();
}
