#pragma once

#include <CLI/CLI.hpp>

// A number as people write it: decimal digits with an optional sign and decimal part, blanks
// around it allowed (and dropped), nothing else. The conversion behind the options would also
// take "0x50" (80), "1e2", "nan" or "inf", and " 80" but not "80 ". Add it with transform(),
// so the blanks are gone before CLI::Range reads the number.
CLI::Validator plainDecimal();
