#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
// last: Qt's moc, which reads this header for the QObject classes that include it, cannot
// parse <compare> before another standard header has set up the library's configuration
#include <compare>

// A kilobyte or gigabyte sum: a signed 64-bit count of ten-thousandths. Sums are exact;
// every quotient is rounded to four decimals, ties to even, before it is used again, so
// totals come out the same on every machine. A result beyond the 64-bit range (about
// 9.2 * 10^14 whole units) throws std::overflow_error rather than wrapping round.
class FixedPoint {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr FixedPoint() = default;
    constexpr FixedPoint(std::int64_t whole) // NOLINT: implicit by design
        : m_units(checkedMultiply(whole, Scale)) {}

    static constexpr FixedPoint fromUnits(std::int64_t units) {
        FixedPoint value;
        value.m_units = units;
        return value;
    }
    // Nearest fixed-point value (ties to even); for reading values that are not sums.
    static FixedPoint fromDouble(double value);
    // Reads a decimal text such as "12.5", "-0.0029" or " 3 "; more than four decimals are
    // rounded ties to even. No exponent, no thousands separators.
    static std::optional<FixedPoint> parse(std::string_view text);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / Scale; }
    // The whole part, rounded ties to even (a 64-bit whole number).
    std::int64_t roundedWhole() const;

    // Shortest decimal text: no trailing zeros, no trailing point, "0" for zero.
    std::string toText() const;

    // Rounded to the given number of decimals (0 to 4), ties to even.
    FixedPoint rounded(int decimals) const;

    friend constexpr FixedPoint operator+(FixedPoint a, FixedPoint b) {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(a.m_units, b.m_units, &sum)) {
            throw std::overflow_error(outOfRange);
        }
        return fromUnits(sum);
    }
    friend constexpr FixedPoint operator-(FixedPoint a, FixedPoint b) {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(a.m_units, b.m_units, &difference)) {
            throw std::overflow_error(outOfRange);
        }
        return fromUnits(difference);
    }
    friend constexpr FixedPoint operator-(FixedPoint a) { return FixedPoint() - a; }
    FixedPoint& operator+=(FixedPoint other) { return *this = *this + other; }
    FixedPoint& operator-=(FixedPoint other) { return *this = *this - other; }
    // Products with whole numbers are exact.
    friend constexpr FixedPoint operator*(FixedPoint a, std::int64_t factor) {
        return fromUnits(checkedMultiply(a.m_units, factor));
    }
    // Quotients are rounded to four decimals, ties to even. Division by zero throws.
    FixedPoint dividedBy(std::int64_t divisor) const;
    FixedPoint dividedBy(FixedPoint divisor) const;

    friend constexpr auto operator<=>(FixedPoint, FixedPoint) = default;

private:
    static constexpr const char* outOfRange = "a figure is too large to count";
    static constexpr std::int64_t checkedMultiply(std::int64_t a, std::int64_t b) {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(a, b, &product)) {
            throw std::overflow_error(outOfRange);
        }
        return product;
    }

    std::int64_t m_units = 0;
};
