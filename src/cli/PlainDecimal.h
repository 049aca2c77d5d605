#pragma once

#include <CLI/CLI.hpp>

// A decimal number written out in full. "nan" passes every range check (all its comparisons
// are false) and "inf" overflows what the option converts to, so neither is a number here;
// combine with CLI::Range for the bounds.
CLI::Validator finiteNumber();
