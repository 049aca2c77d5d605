#pragma once

#include <stdexcept>
#include <string>

// The one way the core reports that something it was asked to do cannot be done: an exception
// whose what() is one line a user can read ("Row 3 of the log has ..."). Subclasses say what
// kind of failure it is where a caller treats kinds differently. The command line prints it
// as "veltrix: <what>" with a non-zero exit status; a window shows it in a message box.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message)
        : std::runtime_error(message) {}
};
