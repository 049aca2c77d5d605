#include "platform/PropertyBag.h"

#include <gtest/gtest.h>

TEST(PropertyBag, KeysIgnoreCaseKeepTheirFirstSpellingAndAbsentOnesReadAsTheFallback) {
    PropertyBag bag;
    bag.write("tabcaption1", "Report");
    bag.write("TABWIDE", 70);
    bag.write("TabCaption1", "Chart");

    EXPECT_EQ(bag.read("TABCAPTION1").toString(), "Chart");
    EXPECT_EQ(bag.read("tabwide").toInt(), 70);
    EXPECT_TRUE(bag.contains("TabWide"));
    EXPECT_EQ(bag.keys(), QStringList({"tabcaption1", "TABWIDE"}));
    EXPECT_EQ(bag.size(), 2);
    EXPECT_EQ(bag.read("TABHIGH", 20).toInt(), 20);
    EXPECT_FALSE(bag.read("TABHIGH").isValid());
}
