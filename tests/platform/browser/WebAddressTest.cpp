#include "platform/browser/WebAddress.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(WebAddress, typedAddressesAndScriptsAreReadAsABrowserReadsThem) {
    EXPECT_EQ(WebAddress::fromUserInput(" portal.example.com/log in "),
              "http://portal.example.com/log%20in");
    // one address, however it is typed: the keyring files passwords under this spelling
    for (const char* typed :
         {"127.0.0.1:8080", "http://127.0.0.1:8080/", "HTTP://127.0.0.1:8080"}) {
        EXPECT_EQ(WebAddress::fromUserInput(typed), "http://127.0.0.1:8080/") << typed;
    }
    EXPECT_EQ(WebAddress::fromUserInput("https://P.Example:443?a"), "https://p.example/?a");
    EXPECT_EQ(WebAddress::resolve("http://h/a/b?x=1", "c?d=1#part"), "http://h/a/c?d=1");
    EXPECT_TRUE(WebAddress::isScript(WebAddress::resolve("http://h/", " Java\tScript:go()")));
    EXPECT_FALSE(WebAddress::isScript("http://h/javascript:"));
}

TEST(WebAddress, messagesAndOtherSitesNeverSeeTheQuery) {
    EXPECT_EQ(WebAddress::forMessage("https://ann:pw@h:8/login?Password=x#top"),
              "https://h:8/login?...");
    EXPECT_EQ(WebAddress::forMessage("http://h/a@b#c"), "http://h/a@b");
    const std::string page = "https://h/records?month=2007-03#x";
    const std::tuple<const char*, const char*> referers[] = {
        {"https://H:443/next", "https://h/records?month=2007-03"},
        {"https://h:8443/next", "https://h/"},
        {"http://h/next", ""},
    };
    for (const auto& [to, sent] : referers) {
        EXPECT_EQ(WebAddress::refererFor(page, to), sent) << to;
    }
}
