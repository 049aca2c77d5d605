#pragma once

#include "portal-sim/SimConfig.h"
#include "portal-sim/SimMonth.h"

#include <string>
#include <string_view>

// The portal's pages around the record pages: login, the framed top pages with their menu,
// the month query form and the small notices. All texts in and out are Latin-1.
class SimPageWriter {
public:
    // Title exactly "portal"; form 0 posts "username" and "Password" to /login (or, without
    // `post`, names no method).
    static std::string loginPage(std::string_view errorText = {}, bool post = true);

    // A top page: banner, menu (with "Service Records"), "<name>, welcome!" as element 71
    // of the document and the iframe "main" (frame 0) loading `frameAddress`. The title
    // contains "portal" but is not exactly "portal" (unless the site titles every page so,
    // SimConfig::everyPageTitledPortal).
    static std::string topPage(std::string_view title, std::string_view userName,
                               std::string_view frameAddress, QDate today);

    // The frame page with form 0: six "querydate" radio buttons, k = months before `current`.
    static std::string queryPage(SimMonth current, SimLayout layout);
    static std::string newsPage();
    // What a record frame shows once the session is gone: no tables at all.
    static std::string expiredPage();
    static std::string messagePage(std::string_view title, std::string_view text);

    // The header every page starts with: ISO-8859-1 declared in a meta element.
    static std::string head(std::string_view title);

    static constexpr std::string_view welcomeSuffix = ", welcome!";
};
