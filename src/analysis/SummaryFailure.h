#pragma once

#include "platform/Failure.h"

#include <string>

// A run-time failure inside the summary (a plan field that does not read as a number, a
// missing last recorded day). It stops the summary where it happens; what() is the
// description the user is shown.
class SummaryFailure : public Failure {
public:
    explicit SummaryFailure(const std::string& description)
        : Failure(description) {}
};
