#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
// last: Qt's moc, which reads this header for the QObject classes that include it, cannot
// parse <compare> before another standard header has set up the library's configuration
#include <compare>

// A kilobyte or gigabyte sum: a signed 64-bit count of ten-thousandths. Sums are exact;
// every quotient is rounded to four decimals, ties to even, before it is used again, so
// totals come out the same on every machine.
class FixedPoint {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr FixedPoint() = default;
    constexpr FixedPoint(std::int64_t whole)
        : m_units(whole * Scale) {} // NOLINT: implicit by design

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
        return fromUnits(a.m_units + b.m_units);
    }
    friend constexpr FixedPoint operator-(FixedPoint a, FixedPoint b) {
        return fromUnits(a.m_units - b.m_units);
    }
    friend constexpr FixedPoint operator-(FixedPoint a) { return fromUnits(-a.m_units); }
    FixedPoint& operator+=(FixedPoint other) {
        m_units += other.m_units;
        return *this;
    }
    FixedPoint& operator-=(FixedPoint other) {
        m_units -= other.m_units;
        return *this;
    }
    // Products with whole numbers are exact.
    friend constexpr FixedPoint operator*(FixedPoint a, std::int64_t factor) {
        return fromUnits(a.m_units * factor);
    }
    // Quotients are rounded to four decimals, ties to even. Division by zero throws.
    FixedPoint dividedBy(std::int64_t divisor) const;
    FixedPoint dividedBy(FixedPoint divisor) const;

    friend constexpr auto operator<=>(FixedPoint, FixedPoint) = default;

private:
    std::int64_t m_units = 0;
};
