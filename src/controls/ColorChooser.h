#pragma once

#include <array>
#include <cstdint>

// The system's colour picker as the colour dialog wrapper drives it: a starting colour,
// flags, sixteen custom colours (0x00BBGGRR), and a reply in the picker's own terms.
class ColorChooser {
public:
    struct Request {
        std::uint32_t color = 0;
        std::uint32_t flags = 0; // 1: start from `color`
        std::array<std::uint32_t, 16> customColors{};
    };
    struct Reply {
        long apiReturn = 0; // 1 chosen, 0 cancelled, anything else a failure
        std::uint32_t color = 0;
        long extendedError = 0; // the failure's code
    };

    virtual ~ColorChooser() = default;
    // Shows the picker modally. The user may change request.customColors.
    virtual Reply choose(Request& request) = 0;
};
