#pragma once

#include "retrieval/RunMessage.h"

#include <QStringList>
#include <optional>
#include <string>

struct BrowserFailure;
class StoredMonthError;

// The messages a run of "Check Bandwidth Usage" ends with, or shows on the way, in one place
// so the window and the command line tell the same story.
namespace SessionMessages {

inline constexpr char NoAddressText[] = "Please enter URL for netravo account checking.";
inline constexpr char NoUserNameText[] = "Please enter your Netravo UserName.";
inline constexpr char NoPasswordText[] = "Please enter your Netravo Password.";
inline constexpr char ReloginText[] = "Please relogin again to netravo";
inline constexpr char PortalChangedTitle[] = "Cannot check usage";
inline constexpr char PortalChangedText[] =
    "Corvatel site has changed recently, so a newer version of this software is required to "
    "check the usage";
inline constexpr char NoExternalWindowText[] =
    "This program is unable to detect a browser window with first page of service records.";
inline constexpr char LoginRejectedText[] = "The portal did not accept the user name or password";

RunMessage noAddress();
// The "Password Version" asks the portal only with a user name and a password; nothing when
// both are there.
std::optional<RunMessage> noLogin(const std::string& userName, const std::string& password);
// The "Use Cache Data" run could not have its month; the focus goes back to the list of months.
RunMessage storedMonthRefused(const StoredMonthError& error);
// No open browser window on `port` shows the first record page. `problem` says why no browser
// could be asked at all (nothing listening), when that was the case; otherwise the browser
// answered with the windows of these titles, and `passedOver` says which windows like the
// portal's were not taken and why (another site, could not be read), if any were.
RunMessage noExternalWindow(int port, const std::string& problem,
                            const QStringList& windowTitles = {},
                            const std::string& passedOver = {});
// The user's browser window could no longer be read (closed, crashed, too large) before the
// walk ended; `why` says which, in words.
RunMessage externalWindowLost(const std::string& why);
// The user's window went from the record pages to `address` before the walk ended.
RunMessage externalWindowLeft(const std::string& address);
// The user's window jumped ahead to `address` with no link back to the month's first page.
RunMessage externalWindowMovedOn(const std::string& address);
RunMessage loginRejected();
// `hadFrame`: the page had its record frame, but no record tables in it.
RunMessage relogin(const std::string& address, bool hadFrame);
RunMessage portalChanged(const std::string& detail);
RunMessage badRow(int page, const std::string& what);
// Record page `page` showed only rows read before and still offered a "Next Page": it leads
// back, unless a whole page of rows arrived between two pages.
RunMessage pagesLoop(int page);
// The walk reached page `page` and went past what any month holds: `maxPages` pages, or more
// rows than the month files take back in (`maxBytes`).
RunMessage walkTooLong(int page, int maxPages, long long maxBytes);
// Rows arrived at the portal while the walk read it (a notice: the month is still sound).
RunMessage rowsArrived();
RunMessage navigationFailed(const BrowserFailure& failure);
// `waitingFor` completes "... did not come within N seconds".
RunMessage timedOut(const std::string& waitingFor, int seconds);
RunMessage stopped();
RunMessage cacheUnreadable(const QString& file, const QString& error);
RunMessage cacheNotStored(const QString& error);
// A month file that holds something other than whole, readable log rows.
RunMessage cacheDamaged(const QString& file, const std::string& why);

} // namespace SessionMessages
