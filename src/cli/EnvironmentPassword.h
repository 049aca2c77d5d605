#pragma once

#include <optional>
#include <string>

// VELTRIX_PASSWORD, taken out of the environment the first time it is asked for. The program
// asks first thing in main, before anything can start another program: a session bus that Qt
// launches, and the keyring and notification services that bus starts, would otherwise keep
// the password in their environment for the rest of the user's login.
namespace EnvironmentPassword {

// Removes the variable from the environment (and wipes its text there), keeping its value
// for value(). Does nothing after the first call.
void take();
// The value the variable held, or nothing when it was not set.
const std::optional<std::string>& value();

} // namespace EnvironmentPassword
