#include "cli/FiniteNumber.h"

#include <cmath>
#include <cstdlib>

CLI::Validator finiteNumber() {
    return CLI::Validator(
        [](const std::string& text) {
            char* end = nullptr;
            const double value = std::strtod(text.c_str(), &end);
            const bool whole = !text.empty() && end == text.c_str() + text.size();
            return whole && std::isfinite(value) ? std::string()
                                                 : "\"" + text + "\" is not a finite number";
        },
        "NUMBER");
}
