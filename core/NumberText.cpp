#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view kInfinityText = "INF";
constexpr std::string_view kNegativeInfinityText = "-INF";
constexpr std::string_view kNotANumberText = "NAN";

// Significant digits Str writes; 15 digits survive a round trip through a
// double wherever they do not round beyond the largest one.
constexpr int kStrSignificantDigits = 15;

// A finite number as decimal digits: |value| = 0.<digits> * 10^point.
// `digits` has no leading or trailing zeros and is empty for zero; `point`
// counts the digits before the decimal point (negative for leading zeros
// after it).
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The shortest decimal text that reads back as `value` (finite values only).
Decimal toDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) {
        return d;
    }
    // Shortest scientific form, e.g. "1.005e+00" or "5e-324".
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<size_t>(written.ptr - buffer));
    const size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            d.digits += c;
        }
    }
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1); // from_chars takes no "+"
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    d.point = exponent + 1;
    while (d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Keeps the first `count` digits of `d` (count may be <= 0 or beyond the
// digits), rounding half away from zero on what is dropped.
void roundDigits(Decimal& d, int count) {
    if (count >= static_cast<int>(d.digits.size())) {
        return;
    }
    const bool roundUp = count >= 0 && d.digits[static_cast<size_t>(count)] >= '5';
    d.digits.resize(static_cast<size_t>(std::max(count, 0)));
    if (roundUp) {
        // Trailing nines carry over and become zeros, which are dropped.
        while (!d.digits.empty() && d.digits.back() == '9') {
            d.digits.pop_back();
        }
        if (d.digits.empty()) {
            d.digits.assign(1, '1');
            ++d.point;
        } else {
            ++d.digits.back();
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        d.point = 0;
    }
}

// Plain fixed-point text of `d` with at least `minDecimals` decimals.
std::string render(const Decimal& d, int minDecimals, bool showSign) {
    const int count = static_cast<int>(d.digits.size());
    std::string text;
    if (showSign && d.negative) {
        text += '-';
    }
    if (d.point <= 0) {
        text += '0';
    } else {
        text.append(d.digits, 0, static_cast<size_t>(std::min(d.point, count)));
        text.append(static_cast<size_t>(std::max(d.point - count, 0)), '0');
    }
    std::string decimals;
    if (count > 0) {
        decimals.append(static_cast<size_t>(std::max(-d.point, 0)), '0');
        if (count > d.point) {
            decimals.append(d.digits, static_cast<size_t>(std::max(d.point, 0)));
        }
    }
    if (static_cast<int>(decimals.size()) < minDecimals) {
        decimals.append(static_cast<size_t>(minDecimals) - decimals.size(), '0');
    }
    if (!decimals.empty()) {
        text += '.';
        text += decimals;
    }
    return text;
}

std::string_view nonFiniteText(double value) {
    if (std::isnan(value)) {
        return kNotANumberText;
    }
    return value > 0 ? kInfinityText : kNegativeInfinityText;
}

} // namespace

double Val(const std::string& text) {
    const std::string_view view(text);
    if (view.starts_with(kInfinityText)) {
        return std::numeric_limits<double>::infinity();
    }
    if (view.starts_with(kNegativeInfinityText)) {
        return -std::numeric_limits<double>::infinity();
    }
    if (view.starts_with(kNotANumberText)) {
        return std::numeric_limits<double>::quiet_NaN();
    }

    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    const bool negative = p != end && *p == '-';
    if (negative) {
        ++p;
    }
    const char* const integerBegin = p;
    while (p != end && isDigit(*p)) {
        ++p;
    }
    const char* const integerEnd = p;
    if (p != end && *p == '.') {
        ++p;
        while (p != end && isDigit(*p)) {
            ++p;
        }
    }

    // A run without any digit ("", "-", ".", "-.") is rejected by from_chars,
    // which then leaves `value` at 0.
    double value = 0.0;
    if (std::from_chars(begin, p, value, std::chars_format::fixed).ec ==
        std::errc::result_out_of_range) {
        // Too large if any integer digit is non-zero (the value is then at
        // least 1), otherwise too small.
        const bool tooLarge =
            std::any_of(integerBegin, integerEnd, [](char c) { return c != '0'; });
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
        if (negative) {
            value = -value;
        }
    }
    return value;
}

std::string Format(double value, const std::string& mask) {
    if (mask.empty()) {
        return Str(value);
    }
    if (!std::isfinite(value)) {
        return std::string(nonFiniteText(value));
    }
    const size_t point = mask.find('.');
    const bool showSign = mask.find('-') != std::string::npos;
    int required = 0;
    int optional = 0;
    if (point != std::string::npos) {
        for (char c : std::string_view(mask).substr(point + 1)) {
            required += c == '0';
            optional += c == '#';
        }
    }
    Decimal d = toDecimal(value);
    roundDigits(d, d.point + required + optional);
    return render(d, required, showSign);
}

std::string Str(double value) {
    if (!std::isfinite(value)) {
        return std::string(nonFiniteText(value));
    }
    const Decimal shortest = toDecimal(value);
    Decimal rounded = shortest;
    roundDigits(rounded, kStrSignificantDigits);
    // Zero, of either sign, is written "0".
    std::string text = render(rounded, 0, !rounded.digits.empty());
    // Next to the largest double, 15 digits can round to a number beyond it,
    // which would read back as infinity: such a value is written in full.
    if (std::isinf(Val(text))) {
        text = render(shortest, 0, true);
    }
    return text;
}

int32_t CInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::round(value); // half away from zero
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(rounded);
}
