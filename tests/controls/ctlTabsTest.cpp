#include "controls/ctlTabs.h"

#include "ControlRender.h"
#include "platform/PropertyBag.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Strip {
    const char* name;
    int width;
    int height;
    QStringList captions;
    QStringList frames;
    int selected;
};

PropertyBag design(const Strip& strip) {
    PropertyBag bag;
    bag.write("tabwide", strip.width);
    bag.write("tabhigh", strip.height);
    bag.write("tabcount", static_cast<int>(strip.captions.size()));
    bag.write("tabselected", strip.selected);
    QFont font("Liberation Sans");
    font.setPointSizeF(8.25);
    bag.write("tabfont", QVariant::fromValue(font));
    font.setBold(true);
    bag.write("tabfontactive", QVariant::fromValue(font));
    for (int i = 0; i < strip.captions.size(); ++i) {
        bag.write(QStringLiteral("tabcaption%1").arg(i + 1), strip.captions[i]);
        bag.write(QStringLiteral("tabframe%1").arg(i + 1), strip.frames[i]);
    }
    return bag;
}

// A strip with a frame per tab, a frame no tab names and a label outside every frame.
class ctlTabsTest : public ::testing::Test {
protected:
    ctlTabsTest() {
        window.resize(520, 260);
        tabs = new ctlTabs(&window);
        tabs->setObjectName("ctlTabs1");
        tabs->setGeometry(10, 10, 500, 240);
        for (const char* name : {"fraReport", "fraChart", "fraSummary", "fraStray"}) {
            auto* frame = new QGroupBox(tabs);
            frame->setObjectName(name);
            frame->setGeometry(4, 24, 490, 210);
            new QLabel(QString("page %1").arg(name), frame);
        }
        label = new QLabel("always", tabs);
        label->setGeometry(400, 200, 60, 20);
        tabs->load(design({"result",
                           70,
                           20,
                           {"Report", "Chart", "Summary"},
                           {"fraReport", "fraChart", "fraSummary"},
                           1}));
        window.show();
    }

    bool shown(const char* name) const { return tabs->findChild<QWidget*>(name)->isVisible(); }

    QWidget window;
    ctlTabs* tabs = nullptr;
    QLabel* label = nullptr;
};

} // namespace

TEST_F(ctlTabsTest, OnlyTheSelectedTabsFrameIsShown) {
    EXPECT_TRUE(shown("fraReport"));
    EXPECT_FALSE(shown("fraChart"));
    EXPECT_FALSE(shown("fraStray"));
    tabs->setSelectedTab(3);
    EXPECT_TRUE(shown("fraSummary"));
    EXPECT_FALSE(shown("fraReport"));
    EXPECT_FALSE(shown("fraStray"));
    EXPECT_TRUE(label->isVisible()); // not a frame: left alone on every tab
}

TEST_F(ctlTabsTest, FrameNamesAreComparedWithCase) {
    tabs->properties().setTabFrame("FRAREPORT");
    EXPECT_FALSE(shown("fraReport"));
}

TEST_F(ctlTabsTest, MouseAndArrowKeysRaiseTabClick) {
    QSignalSpy spy(tabs, &ctlTabs::TabClick);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(71, 10)); // the overlap: tab 1 wins
    QTest::mouseClick(tabs, Qt::RightButton, {}, QPoint(100, 10));
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Right);
    QTest::keyClick(tabs, Qt::Key_Right);
    QTest::keyClick(tabs, Qt::Key_Left);
    ASSERT_EQ(spy.count(), 5);
    const QList<QList<int>> expected{{1, 1}, {1, 2}, {2, 3}, {3, 3}, {3, 2}};
    for (int i = 0; i < spy.count(); ++i) {
        EXPECT_EQ((QList<int>{spy[i][0].toInt(), spy[i][1].toInt()}), expected[i]) << i;
    }
    EXPECT_TRUE(shown("fraChart"));
}

TEST_F(ctlTabsTest, FramesLoseTheirBorderWhenShownUnlessAsked) {
    auto* frame = tabs->findChild<QGroupBox*>("fraReport");
    EXPECT_TRUE(frame->isFlat());
    tabs->hide();
    tabs->properties().setShowFrameBorder(true);
    tabs->show();
    EXPECT_FALSE(frame->isFlat());
}

TEST(ctlTabsRender, TheSystemsStripsForALook) {
    const Strip strips[] = {
        {"main_ctlTabs1",
         150,
         25,
         {"Password Version", "Non Password Version", "Use Cache Data"},
         {"fraPassword", "fraNonPassword", "fraUseCacheData"},
         3},
        {"main_ctlPasswordVersion",
         80,
         20,
         {"Login Info", "Processing"},
         {"fraLoginInfo", "fraProcessing"},
         1},
        {"result_ctlTabs1",
         70,
         20,
         {"Report", "Chart", "Summary"},
         {"fraReport", "fraChart", "fraSummary"},
         1},
    };
    for (const auto& strip : strips) {
        QWidget window;
        window.resize(480, 140);
        ctlTabs tabs(&window);
        tabs.setGeometry(8, 8, 464, 124);
        tabs.load(design(strip));
        window.show();
        saveRender(window, strip.name);
        EXPECT_EQ(tabs.properties().TabFontActive().bold(), true);
    }
    QWidget window;
    window.resize(300, 200);
    ctlTabs tabs(&window);
    tabs.setGeometry(0, 0, 300, 200);
    tabs.properties().setStyle(7);
    tabs.properties().setCaptionAlignment(8);
    tabs.properties().setUseFocusRect(true);
    window.show();
    tabs.setFocus();
    saveRender(window, "style7_alignment8_focus");
}
