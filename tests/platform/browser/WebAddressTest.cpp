#include "platform/browser/WebAddress.h"

#include <gtest/gtest.h>

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
