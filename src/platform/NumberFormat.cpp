#include "platform/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

// Rounds a plain decimal text ("123.4567", no sign, no exponent) to `decimals` decimals with
// halves away from zero, and pads it with zeros to exactly that many.
std::string roundDigits(const std::string& digits, int decimals) {
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    if (whole.empty()) {
        whole = "0";
    }
    bool carry = false;
    if (static_cast<int>(fraction.size()) > decimals) {
        carry = fraction[static_cast<std::size_t>(decimals)] >= '5';
        fraction.resize(static_cast<std::size_t>(decimals));
    }
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    std::string all = whole + fraction;
    for (auto i = all.size(); carry && i-- > 0;) {
        if (all[i] == '9') {
            all[i] = '0';
        } else {
            ++all[i];
            carry = false;
        }
    }
    if (carry) {
        all.insert(all.begin(), '1');
    }
    const auto wholeLength = all.size() - static_cast<std::size_t>(decimals);
    std::string result = all.substr(0, wholeLength);
    if (decimals > 0) {
        result += '.';
        result += all.substr(wholeLength);
    }
    return result;
}

std::string withSign(bool negative, std::string magnitude) {
    const bool zero = magnitude.find_first_not_of("0.") == std::string::npos;
    if (negative && !zero) {
        magnitude.insert(magnitude.begin(), '-');
    }
    return magnitude;
}

} // namespace

std::string NumberFormat::decimals(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    }
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::fixed);
    return withSign(value < 0, roundDigits(std::string(buffer.data(), result.ptr), decimals));
}

std::string NumberFormat::decimals(FixedPoint value, int decimals) {
    const std::string text = value.toText();
    const bool negative = !text.empty() && text.front() == '-';
    return withSign(negative, roundDigits(negative ? text.substr(1) : text, decimals));
}

FixedPoint NumberFormat::rounded(double value, int decimals) {
    // the shown text is digits, a point and perhaps a sign, which the fixed-point reader takes
    // exactly; only a value beyond its range is refused
    const auto number = std::isfinite(value)
                            ? FixedPoint::parse(NumberFormat::decimals(value, decimals))
                            : std::nullopt;
    if (!number) {
        throw std::overflow_error("a figure is too large to count");
    }
    return *number;
}

std::string NumberFormat::general(double value) {
    if (value == 0 || !std::isfinite(value)) {
        return value == 0 ? "0" : decimals(value, 0);
    }
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
    std::string text(buffer.data());
    const auto exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') {
            mantissa.pop_back();
        }
        if (mantissa.back() == '.') {
            mantissa.pop_back();
        }
    }
    if (exponent == std::string::npos) {
        return mantissa;
    }
    std::string power = text.substr(exponent + 1); // "+20" or "-05"
    const char sign = power.front();
    power.erase(0, 1);
    power.erase(0, power.find_first_not_of('0'));
    return mantissa + "E" + sign + power;
}

std::string NumberFormat::grouped(long long count) {
    const std::string digits = std::to_string(count < 0 ? -count : count);
    std::string out = count < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}
