#include "platform/FixedPoint.h"

#include <cmath>
#include <stdexcept>

namespace {

__extension__ typedef __int128 Int128; // wide enough for any product of two sums

// numerator / denominator rounded to the nearest whole number, ties to even.
std::int64_t divideTiesToEven(Int128 numerator, Int128 denominator) {
    if (denominator == 0) {
        throw std::domain_error("Division by zero");
    }
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Int128 quotient = numerator / denominator;
    Int128 remainder = numerator % denominator;
    if (remainder < 0) { // floor division
        quotient -= 1;
        remainder += denominator;
    }
    const Int128 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && (quotient % 2) != 0)) {
        quotient += 1;
    }
    return static_cast<std::int64_t>(quotient);
}

} // namespace

FixedPoint FixedPoint::fromDouble(double value) {
    return fromUnits(static_cast<std::int64_t>(std::nearbyint(value * Scale)));
}

std::optional<FixedPoint> FixedPoint::parse(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    Int128 mantissa = 0;
    int decimals = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (mantissa > (Int128{1} << 100)) {
                return std::nullopt;
            }
            mantissa = mantissa * 10 + (c - '0');
            if (seenPoint) {
                ++decimals;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    Int128 units;
    if (decimals <= 4) {
        units = mantissa;
        for (int i = decimals; i < 4; ++i) {
            units *= 10;
        }
    } else {
        Int128 divisor = 1;
        for (int i = 4; i < decimals; ++i) {
            divisor *= 10;
        }
        units = divideTiesToEven(mantissa, divisor);
    }
    if (units > INT64_MAX) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(units);
    return fromUnits(negative ? -value : value);
}

std::int64_t FixedPoint::roundedWhole() const {
    return divideTiesToEven(m_units, Scale);
}

std::string FixedPoint::toText() const {
    const bool negative = m_units < 0;
    const auto magnitude =
        static_cast<std::uint64_t>(negative ? -static_cast<Int128>(m_units) : m_units);
    std::string text = std::to_string(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + Scale).substr(1); // four digits
        while (digits.back() == '0') {
            digits.pop_back();
        }
        text += '.';
        text += digits;
    }
    if (negative) {
        text.insert(text.begin(), '-');
    }
    return text;
}

FixedPoint FixedPoint::rounded(int decimals) const {
    if (decimals >= 4) {
        return *this;
    }
    std::int64_t step = 1;
    for (int i = decimals; i < 4; ++i) {
        step *= 10;
    }
    return fromUnits(divideTiesToEven(m_units, step) * step);
}

FixedPoint FixedPoint::dividedBy(std::int64_t divisor) const {
    return fromUnits(divideTiesToEven(m_units, divisor));
}

FixedPoint FixedPoint::dividedBy(FixedPoint divisor) const {
    return fromUnits(divideTiesToEven(static_cast<Int128>(m_units) * Scale, divisor.m_units));
}
