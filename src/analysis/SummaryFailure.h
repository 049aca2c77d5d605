#pragma once

#include <stdexcept>
#include <string>

// A run-time failure inside the summary (a plan field that does not read as a number, a
// missing last recorded day). It stops the summary where it happens; what() is the
// description the user is shown.
class SummaryFailure : public std::runtime_error {
public:
    explicit SummaryFailure(const std::string& description)
        : std::runtime_error(description) {}
};
