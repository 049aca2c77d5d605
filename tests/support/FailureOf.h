#pragma once

#include "platform/Failure.h"

#include <string>

// The one line a call fails with, or "" when it does not fail.
template <typename Call> std::string failureOf(Call&& call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return {};
}
