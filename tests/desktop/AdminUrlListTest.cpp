#include "desktop/AdminUrlList.h"

#include "desktop/MonthChoices.h"
#include "platform/MessagePresenter.h"

#include <gtest/gtest.h>

struct SplitCase {
    const char* name;
    QString text;
    QStringList entries;
};

class AddressListText : public ::testing::TestWithParam<SplitCase> {};

TEST_P(AddressListText, SkipsEmptyAndBlankItems) {
    EXPECT_EQ(AdminUrlList::split(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressListText,
    ::testing::Values(
        SplitCase{"TwoEachClosed", "http://a/#http://b/#", {"http://a/", "http://b/"}},
        SplitCase{"LastUnclosed", "http://a/#http://b/", {"http://a/", "http://b/"}},
        SplitCase{"BlankItem", "http://a/#   #http://b/#", {"http://a/", "http://b/"}},
        SplitCase{"Trimmed", "  http://a/  #", {"http://a/"}}, SplitCase{"Empty", "", {}},
        SplitCase{"OnlyHashes", "###", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AdminUrlList, AddRefusesAListedAddressAndQuotesTheBoxAsTyped) {
    RecordingMessages messages;
    AdminUrlList list("http://a/#");
    EXPECT_FALSE(list.add("  http://a/ ", messages));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.lastText(), "  http://a/  is already in the list");
    EXPECT_EQ(messages.shown().back().title, "Veltrix");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Information);

    EXPECT_TRUE(list.add(" HTTP://a/ ", messages)); // case counts
    EXPECT_EQ(list.text(), "http://a/#HTTP://a/#");
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(AdminUrlList, DeleteAsksWithNoAsDefault) {
    RecordingMessages messages;
    AdminUrlList list("http://a/#http://b/#");
    AdminUrlList::BoxChange change;

    EXPECT_FALSE(list.remove("http://b/", messages, change)); // answered No
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown().back().question);
    EXPECT_EQ(messages.lastText(), "Delete http://b/ from the list ?");
    EXPECT_EQ(list.entries().size(), 2);

    messages.setNextAnswer(true);
    EXPECT_FALSE(list.remove("http://c/ ", messages, change));
    EXPECT_EQ(messages.lastText(), "http://c/  not found in the list");

    messages.setNextAnswer(true);
    EXPECT_TRUE(list.remove(" http://b/", messages, change));
    EXPECT_EQ(list.text(), "http://a/#");
    EXPECT_EQ(change.select, 0);

    messages.setNextAnswer(true);
    EXPECT_TRUE(list.remove("http://a/", messages, change));
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(change.select, -1);
    EXPECT_EQ(change.text, "");
}

TEST(MonthChoices, ThirtyFirstOfMarchCountsBackByCalendarMonths) {
    EXPECT_EQ(MonthChoices::captions(QDate(2007, 3, 31)),
              QStringList({"2007-03", "2007-02", "2007-01", "2006-12", "2006-11", "2006-10"}));
    EXPECT_EQ(MonthChoices::captions(QDate(2008, 2, 29)).at(5), "2007-09");
}
