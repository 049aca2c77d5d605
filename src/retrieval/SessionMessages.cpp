#include "retrieval/SessionMessages.h"

#include "platform/browser/Browser.h"
#include "platform/browser/WebAddress.h"
#include "retrieval/AttachHelp.h"
#include "retrieval/CacheMode.h"
#include "retrieval/MonthCache.h"

namespace {

const QString appTitle = RunMessage::ApplicationTitle;

RunMessage message(RunMessage::Reason reason, const QString& text, MessageIcon icon,
                   std::string detail = {}, const QString& title = appTitle) {
    RunMessage out;
    out.reason = reason;
    out.text = text;
    out.title = title;
    out.icon = icon;
    out.detail = std::move(detail);
    return out;
}

} // namespace

RunMessage SessionMessages::noAddress() {
    RunMessage out =
        message(RunMessage::Reason::MissingInput, NoAddressText, MessageIcon::Information);
    out.focus = "cmbAdminURL";
    return out;
}

std::optional<RunMessage> SessionMessages::noLogin(const std::string& userName,
                                                   const std::string& password) {
    const bool noUser = QString::fromStdString(userName).trimmed().isEmpty();
    if (!noUser && !password.empty()) {
        return std::nullopt;
    }
    RunMessage out = message(RunMessage::Reason::MissingInput,
                             noUser ? NoUserNameText : NoPasswordText, MessageIcon::Information);
    out.focus = noUser ? "txtUserName" : "txtPassword";
    return out;
}

RunMessage SessionMessages::storedMonthRefused(const StoredMonthError& error) {
    const bool unreadable = error.kind() == StoredMonthError::Kind::Unreadable;
    RunMessage out = message(RunMessage::Reason::MissingInput, QString::fromStdString(error.what()),
                             unreadable ? MessageIcon::Critical : MessageIcon::Information);
    out.focus = "cmbCacheFiles";
    return out;
}

RunMessage SessionMessages::noExternalWindow(int port, const std::string& problem,
                                             const QStringList& windowTitles,
                                             const std::string& passedOver) {
    // the first line stays as users know it; the second names the cause
    const QString cause =
        !AttachHelp::validPort(port) ? AttachHelp::notAPortLine(port)
        : !problem.empty()           ? AttachHelp::noBrowserLine(port)
        : !passedOver.empty()
            ? QStringLiteral("A browser answers on port %1 of this computer, but %2.")
                  .arg(port)
                  .arg(QString::fromStdString(passedOver))
            : AttachHelp::noRecordPageLine(port, windowTitles);
    return message(RunMessage::Reason::NotAvailable, QString(NoExternalWindowText) + "\n" + cause,
                   MessageIcon::None, AttachHelp::validPort(port) ? problem : std::string());
}

namespace {

const QString tryAgain = "Nothing was stored; open the first record page again and press "
                         "\"Check Bandwidth Usage\".";

} // namespace

RunMessage SessionMessages::externalWindowLost(const std::string& why) {
    return message(RunMessage::Reason::NetworkFailure,
                   QString::fromStdString("The browser window with the service records could "
                                          "not be read to the end: " +
                                          why + ". ") +
                       tryAgain,
                   MessageIcon::Critical);
}

RunMessage SessionMessages::externalWindowLeft(const std::string& address) {
    return message(RunMessage::Reason::WindowMoved,
                   QString::fromStdString("The browser window left the service-record pages "
                                          "before all of them were read; it shows " +
                                          WebAddress::forMessage(address) + " now. ") +
                       tryAgain,
                   MessageIcon::Warning);
}

RunMessage SessionMessages::externalWindowMovedOn(const std::string& address) {
    return message(RunMessage::Reason::WindowMoved,
                   QString::fromStdString("The browser window went on to " +
                                          WebAddress::forMessage(address) +
                                          " by itself, past record pages not read yet, and "
                                          "shows no link back to the month's first page. ") +
                       tryAgain + " Leave the window alone while the check runs.",
                   MessageIcon::Warning);
}

RunMessage SessionMessages::loginRejected() {
    RunMessage out = message(RunMessage::Reason::LoginRejected, LoginRejectedText,
                             MessageIcon::Critical, "it showed its login page again");
    out.focus = "txtPassword"; // to be typed again
    return out;
}

RunMessage SessionMessages::relogin(const std::string& url, bool hadFrame) {
    const std::string address = WebAddress::forMessage(url);
    const std::string detail = hadFrame ? "the record page " + address +
                                              " holds no record tables; the portal's "
                                              "session may have ended"
                                        : "the page " + address + " has no record frame";
    return message(RunMessage::Reason::Relogin, ReloginText, MessageIcon::None, detail);
}

RunMessage SessionMessages::portalChanged(const std::string& detail) {
    return message(RunMessage::Reason::PortalChanged, PortalChangedText, MessageIcon::Critical,
                   detail, PortalChangedTitle);
}

RunMessage SessionMessages::badRow(int page, const std::string& what) {
    return message(RunMessage::Reason::BadRow,
                   QString::fromStdString("Record page " + std::to_string(page) + ": " + what),
                   MessageIcon::Critical, "nothing was stored");
}

RunMessage SessionMessages::pagesLoop(int page) {
    return message(RunMessage::Reason::PortalChanged,
                   QString::fromStdString("Record page " + std::to_string(page) +
                                          " shows only rows already read and still offers "
                                          "\"Next Page\": the pages lead back to themselves "
                                          "(or more rows arrived at once than a page holds)"),
                   MessageIcon::Critical, "nothing was stored", PortalChangedTitle);
}

RunMessage SessionMessages::walkTooLong(int page, int maxPages, long long maxBytes) {
    return message(RunMessage::Reason::PortalChanged,
                   QString::fromStdString(
                       "The record pages do not end: at page " + std::to_string(page) +
                       " the month is past what any month holds (" + std::to_string(maxPages) +
                       " pages, " + std::to_string(maxBytes / (1024 * 1024)) + " MB of rows)"),
                   MessageIcon::Critical, "nothing was stored", PortalChangedTitle);
}

RunMessage SessionMessages::rowsArrived() {
    return message(RunMessage::Reason::Notice,
                   "New rows arrived at the portal while its pages were read. Each row is "
                   "counted once; the month is the one the first page showed, and the rows that "
                   "arrived meanwhile will be in the next check.",
                   MessageIcon::Information);
}

RunMessage SessionMessages::navigationFailed(const BrowserFailure& failure) {
    // the plain line first; the network library's words below it, for whoever helps
    RunMessage out =
        message(RunMessage::Reason::NetworkFailure, QString::fromStdString(failure.message),
                MessageIcon::Critical, failure.detail);
    out.detailInBox = true;
    return out;
}

RunMessage SessionMessages::timedOut(const std::string& waitingFor, int seconds) {
    return message(RunMessage::Reason::TimedOut,
                   QString::fromStdString(waitingFor + " did not come within " +
                                          std::to_string(seconds) + " seconds"),
                   MessageIcon::Critical);
}

RunMessage SessionMessages::stopped() {
    return message(RunMessage::Reason::Stopped, "The check was stopped", MessageIcon::Information);
}

RunMessage SessionMessages::cacheUnreadable(const QString& file, const QString& error) {
    return message(RunMessage::Reason::Notice,
                   "The stored month " + file + " cannot be read: " + error +
                       ". Every page is fetched and the file is left as it is.",
                   MessageIcon::Warning);
}

RunMessage SessionMessages::cacheDamaged(const QString& file, const std::string& why) {
    return message(RunMessage::Reason::Notice, MonthCache::damagedFileText(file, why),
                   MessageIcon::Warning);
}

RunMessage SessionMessages::cacheNotStored(const QString& error) {
    return message(RunMessage::Reason::Notice, error, MessageIcon::Warning,
                   "the month was not stored; the report is built from the pages fetched");
}
