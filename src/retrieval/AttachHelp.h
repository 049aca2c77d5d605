#pragma once

#include <QString>
#include <QStringList>

// What the user is told about attaching to their own browser: the steps, how to start it so
// that this program can read its windows, what that allows, how to close it again, and why
// no window could be taken. The window's page and help button and the command line's
// messages tell the same story.
namespace AttachHelp {

inline constexpr int DefaultPort = 9222;

// The steps of "Non Password Version", as the user takes them.
inline constexpr const char* Steps[4] = {
    "1. Start a Chromium-family browser with the start command below (\"Copy\" puts it on the "
    "clipboard)",
    "2. In that browser, go to the netravo account checking site and log in",
    "3. Open \"Service Records\", choose the year and month to check usage and click Ok",
    "4. When the first page of your log is displayed, press \"Check Bandwidth Usage\" below.",
};

// The browser's debugging port is a TCP port; 0 and the rest are refused.
bool validPort(int port);

// The command that starts the browser so that it lists its windows on `port`.
QString startCommand(int port);

// The second line of the "unable to detect" message, one for each cause: nothing answers on
// `port` (and how to start a browser that does); a browser answers but none of its windows,
// seen by these titles, shows the first record page; `port` is no port at all.
QString noBrowserLine(int port);
QString noRecordPageLine(int port, const QStringList& titles);
QString notAPortLine(int port);

// The whole help: the command, what it allows, and how to end it.
QString helpText(int port);

} // namespace AttachHelp
