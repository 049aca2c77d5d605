#include "controls/ctlTabs.h"

#include "platform/ColorValue.h"
#include "platform/PropertyBag.h"
#include "support/Palettes.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The stored design of a strip as the result window hands it over.
PropertyBag design(int width, int height, const QStringList& captions, const QStringList& frames,
                   int selected) {
    PropertyBag bag;
    bag.write("tabwide", width);
    bag.write("tabhigh", height);
    bag.write("tabcount", static_cast<int>(captions.size()));
    bag.write("tabselected", selected);
    for (int i = 0; i < captions.size(); ++i) {
        bag.write(QStringLiteral("tabcaption%1").arg(i + 1), captions[i]);
        bag.write(QStringLiteral("tabframe%1").arg(i + 1), frames[i]);
    }
    return bag;
}

// The result window's strip with a frame per tab, a frame no tab names and a label outside
// every frame.
class ctlTabsTest : public ::testing::Test {
protected:
    ctlTabsTest() {
        window.resize(520, 260);
        tabs->setGeometry(10, 10, 500, 240);
        for (const char* name : {"fraReport", "fraChart", "fraSummary", "fraStray"}) {
            auto* frame = new QGroupBox(tabs);
            frame->setObjectName(name);
            frame->setGeometry(4, 24, 490, 210);
            new QLabel(QString("page %1").arg(name), frame);
        }
        label->setGeometry(400, 200, 60, 20);
        tabs->load(design(70, 20, {"Report", "Chart", "Summary"},
                          {"fraReport", "fraChart", "fraSummary"}, 1));
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    bool shown(const char* name) const { return tabs->findChild<QWidget*>(name)->isVisible(); }

    QWidget window;
    ctlTabs* tabs = new ctlTabs(&window);
    QLabel* label = new QLabel("always", tabs);
};

} // namespace

// The design is read from the result window's lower-case keys without a TabClick.
TEST_F(ctlTabsTest, TheDesignLoadsQuietlyAndOnlyTheSelectedTabsFrameIsShownWithoutABorder) {
    ctlTabs fresh;
    QSignalSpy loadClicks(&fresh, &ctlTabs::TabClick);
    fresh.load(design(70, 20, {"Report", "Chart"}, {"fraReport", "fraChart"}, 2));
    EXPECT_EQ(fresh.properties().caption(2), "Chart");
    EXPECT_EQ(loadClicks.count(), 0);
    EXPECT_TRUE(shown("fraReport"));
    EXPECT_TRUE(tabs->findChild<QGroupBox*>("fraReport")->isFlat());
    tabs->setSelectedTab(3);
    EXPECT_TRUE(shown("fraSummary"));
    EXPECT_FALSE(shown("fraReport") || shown("fraChart") || shown("fraStray"));
    EXPECT_TRUE(label->isVisible()); // not a frame: left alone on every tab
}

TEST_F(ctlTabsTest, MouseAndArrowKeysRaiseTabClickAndTheLowerTabWinsTheOverlap) {
    QSignalSpy spy(tabs, &ctlTabs::TabClick);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(71, 10)); // the overlap: tab 1 wins
    QTest::mouseClick(tabs, Qt::RightButton, {}, QPoint(100, 10));
    tabs->setFocus();
    // Down and Up step like Right and Left, and the last tab does not wrap to the first.
    for (const auto key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}) {
        QTest::keyClick(tabs, key);
    }
    QStringList seen;
    for (const auto& click : spy) {
        seen << QString("%1>%2").arg(click[0].toInt()).arg(click[1].toInt());
    }
    EXPECT_EQ(seen.join(" ").toStdString(), "1>1 1>2 2>3 3>3 3>2");
    EXPECT_TRUE(shown("fraChart"));
}

TEST_F(ctlTabsTest, CaptionsReadInLightAndDarkPalettesAndTheFocusIsShown) {
    for (const auto& [name, palette] :
         {std::pair{"light", Palettes::light()}, std::pair{"dark", Palettes::dark()}}) {
        for (int tab = 1; tab <= 3; ++tab) {
            EXPECT_GE(ColorValue::contrastRatio(tabs->properties().tabFill(tab, palette),
                                                tabs->properties().captionColor(tab, palette)),
                      4.5)
                << name << " tab " << tab;
        }
    }
    tabs->clearFocus();
    const QImage unfocused = tabs->grab().toImage();
    tabs->setFocus(); // without a focus rectangle asked for, the strip still shows its focus
    EXPECT_NE(tabs->grab().toImage(), unfocused);
}
