#pragma once

#include <QString>

// What the user is told about attaching to their own browser: how to start it so that this
// program can read its windows, what that allows, and how to close it again. The window's
// help button and the command line's messages tell the same story.
namespace AttachHelp {

inline constexpr int DefaultPort = 9222;

// The browser's debugging port is a TCP port; 0 and the rest are refused.
bool validPort(int port);

// The command that starts the browser so that it lists its windows on `port`.
QString startCommand(int port);

// The second line of the "unable to detect" message: where was looked, and what to run.
QString searchedLine(int port);

// The whole help: the command, what it allows, and how to end it.
QString helpText(int port);

} // namespace AttachHelp
