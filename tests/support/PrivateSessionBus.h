#pragma once

// Tests of desktop session services (notifications, the keyring) run inside a D-Bus session
// of their own, started with dbus-run-session, so they never reach the user's desktop.
namespace PrivateSessionBus {

// True inside the private session the test main started.
bool inside();
// Runs this test program again inside a private session (it never returns then). Does
// nothing when already inside one, or when dbus-run-session is missing: the tests then skip.
void enter(int argc, char** argv);
// Why a test skips when it is not inside a private session.
const char* missingReason();

} // namespace PrivateSessionBus
