#include "portal-sim/SimPageWriter.h"

#include "portal-sim/SimText.h"

#include <array>

namespace {

struct MenuEntry {
    std::string_view text;
    std::string_view address;
};

// The menu fills the top page's left column; its length puts the welcome line at element 71.
constexpr std::array<MenuEntry, 17> menu = {{
    {"Home", "/home"},
    {"Service Records", "/records"},
    {"Account Details", "/account"},
    {"Change Password", "/account"},
    {"Billing", "/billing"},
    {"Payments", "/billing"},
    {"Invoices", "/billing"},
    {"Plans and Tariffs", "/plans"},
    {"Usage Alerts", "/account"},
    {"Top-up", "/billing"},
    {"Support", "/help"},
    {"FAQ", "/help"},
    {"Contact Us", "/help"},
    {"Downloads", "/help"},
    {"Terms of Use", "/help"},
    {"Privacy", "/help"},
    {"Logout", "/logout"},
}};

constexpr std::string_view styleRules =
    "body{font-family:Verdana,Arial,sans-serif;font-size:12px;margin:0}"
    ".banner{background:#003399;color:#fff}.menu a{color:#003399}"
    ".welcome{font-weight:bold}.error{color:#c00}";

constexpr std::string_view footer =
    "<p class=footer>Copyright \xa9 Corvatel. All rights reserved.</p>\n</body>\n</html>\n";

std::string menuTable() {
    std::string out = "<table class=menu width=\"100%\">\n<tr><th>Netravo</th></tr>\n";
    for (const MenuEntry& entry : menu) {
        out += "<tr><td><a href=\"";
        out += entry.address;
        out += "\">";
        out += entry.text;
        out += "</a></td></tr>\n";
    }
    return out + "</table>\n";
}

} // namespace

std::string SimPageWriter::head(std::string_view title) {
    std::string out = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                      "<html>\n<head>\n<meta http-equiv=\"Content-Type\" "
                      "content=\"text/html; charset=ISO-8859-1\">\n<title>";
    out += SimText::html(title);
    out += "</title>\n<style type=\"text/css\">";
    out += styleRules;
    return out + "</style>\n</head>\n";
}

std::string SimPageWriter::loginPage(std::string_view errorText, bool post) {
    std::string out = head("portal");
    out += "<body>\n<h2>Netravo usage portal</h2>\n";
    if (!errorText.empty()) {
        out += "<p class=error>" + SimText::html(errorText) + "</p>\n";
    }
    out += post ? "<form name=login method=post" : "<form name=login";
    out += " action=\"/login\" accept-charset=\"ISO-8859-1\">\n"
           "<table class=login>\n"
           "<tr><td>User name</td><td><input type=text name=username size=24></td></tr>\n"
           "<tr><td>Password</td><td><input type=password name=Password size=24></td></tr>\n"
           "<tr><td></td><td><input type=submit name=signin value=\"Sign in\"></td></tr>\n"
           "</table>\n</form>\n";
    return out + std::string(footer);
}

std::string SimPageWriter::topPage(std::string_view title, std::string_view userName,
                                   std::string_view frameAddress, QDate today) {
    std::string out = head(title);
    out += "<body>\n<table class=banner width=\"100%\">\n<tr><td>Corvatel</td>"
           "<td>Netravo usage portal</td><td>";
    out += today.toString(Qt::ISODate).toStdString();
    out += "</td></tr>\n</table>\n<table class=layout width=\"100%\">\n"
           "<tr><td class=side valign=top width=180>\n";
    out += menuTable();
    out += "<p class=welcome>" + SimText::html(userName) + std::string(welcomeSuffix) + "</p>\n";
    out += "</td>\n<td class=content valign=top><iframe name=\"main\" src=\"";
    out += SimText::html(frameAddress);
    out += "\" width=\"100%\" height=\"640\" frameborder=\"0\"></iframe></td></tr>\n</table>\n";
    return out + std::string(footer);
}

std::string SimPageWriter::queryPage(SimMonth current, SimLayout layout) {
    const bool external = layout == SimLayout::ExternalStyle;
    std::string out = head("Service Records");
    out += "<body>\n<h3>Service records</h3>\n<form name=query method=post action=\"";
    out += external ? "/records/ResultsView\" target=\"_top\">\n" : "/records/Results\">\n";
    out += "<table class=query>\n<tr><th colspan=2>Choose a month</th></tr>\n";
    for (int k = 0; k < 6; ++k) {
        out += "<tr><td><input type=radio name=querydate value=" + std::to_string(k);
        out += k == 0 ? " checked></td><td>" : "></td><td>";
        out += current.back(k).text() + "</td></tr>\n";
    }
    out += "<tr><td colspan=2><input type=submit name=show value=\"Show records\"></td></tr>\n"
           "</table>\n</form>\n";
    return out + std::string(footer);
}

std::string SimPageWriter::newsPage() {
    return head("News") +
           "<body>\n<h3>News</h3>\n<p>Your usage log is updated every hour. "
           "Night-time usage between 02:00 and 08:00 is free of charge.</p>\n" +
           std::string(footer);
}

std::string SimPageWriter::expiredPage() {
    return messagePage("Session expired", "Your session has expired. Please log in again.");
}

std::string SimPageWriter::messagePage(std::string_view title, std::string_view text) {
    std::string out = head(title);
    out += "<body>\n<h3>" + SimText::html(title) + "</h3>\n<p>" + SimText::html(text);
    out += "</p>\n<p><a href=\"/\" target=\"_top\">Log in</a></p>\n";
    return out + std::string(footer);
}
