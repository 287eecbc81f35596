#include "data/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace morvane::NumberText {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lower(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

// Exact powers of ten that a double represents.
constexpr std::array<double, 23> exactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

struct Scanned {
    bool found = false;
    bool negative = false;
    std::string_view integerDigits;  // without the sign
    std::string_view fractionDigits; // after the separator
    std::int64_t exponent = 0;       // explicit exponent, clamped
};

Scanned scanNumber(std::string_view text, bool acceptComma) {
    Scanned result;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    result.integerDigits = text.substr(integerStart, i - integerStart);
    if (i < text.size() && (text[i] == '.' || (acceptComma && text[i] == ','))) {
        const std::size_t fractionStart = i + 1;
        std::size_t j = fractionStart;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
        }
        if (j > fractionStart || !result.integerDigits.empty()) {
            result.fractionDigits = text.substr(fractionStart, j - fractionStart);
            i = j;
        }
    }
    result.found = !result.integerDigits.empty() || !result.fractionDigits.empty();
    if (!result.found) {
        return result;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            std::int64_t exponent = 0;
            for (; j < text.size() && isDigit(text[j]); ++j) {
                exponent = std::min<std::int64_t>(exponent * 10 + (text[j] - '0'), 100000000);
            }
            result.exponent = negativeExponent ? -exponent : exponent;
        }
    }
    return result;
}

// Clinger's fast path: exact when the digits fit in 53 bits and the power of ten is exact.
std::optional<double> fastValue(const Scanned& number) {
    const std::size_t digitCount = number.integerDigits.size() + number.fractionDigits.size();
    if (digitCount > 15) {
        return std::nullopt;
    }
    std::uint64_t mantissa = 0;
    for (char c : number.integerDigits) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    for (char c : number.fractionDigits) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    const std::int64_t exponent =
        number.exponent - static_cast<std::int64_t>(number.fractionDigits.size());
    double value = static_cast<double>(mantissa);
    if (exponent >= 0 && exponent <= 22) {
        value *= exactPowers[static_cast<std::size_t>(exponent)];
    } else if (exponent < 0 && exponent >= -22) {
        value /= exactPowers[static_cast<std::size_t>(-exponent)];
    } else if (mantissa != 0) {
        return std::nullopt;
    }
    return number.negative ? -value : value;
}

double slowValue(const Scanned& number) {
    std::string normalised;
    normalised.reserve(number.integerDigits.size() + number.fractionDigits.size() + 24);
    normalised.append(number.integerDigits.empty() ? "0" : number.integerDigits);
    normalised.push_back('.');
    normalised.append(number.fractionDigits);
    normalised.push_back('e');
    normalised.append(std::to_string(number.exponent));
    double value = 0;
    const auto [end, error] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Decide overflow or underflow from the decimal magnitude of the leading digit.
        std::int64_t magnitude = number.exponent;
        const std::size_t firstNonZero = number.integerDigits.find_first_not_of('0');
        if (firstNonZero != std::string_view::npos) {
            magnitude += static_cast<std::int64_t>(number.integerDigits.size() - firstNonZero);
        } else {
            const std::size_t leading = number.fractionDigits.find_first_not_of('0');
            magnitude -= static_cast<std::int64_t>(
                leading == std::string_view::npos ? number.fractionDigits.size() : leading);
        }
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

double convert(std::string_view text, bool acceptComma) {
    const Scanned number = scanNumber(text, acceptComma);
    if (!number.found) {
        return 0;
    }
    if (const std::optional<double> value = fastValue(number)) {
        return *value;
    }
    return slowValue(number);
}

} // namespace

double parseValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    std::string_view rest = text.substr(i);
    bool negative = false;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    if (startsWithWord(rest, "inf")) {
        const double infinity = std::numeric_limits<double>::infinity();
        return negative ? -infinity : infinity;
    }
    if (startsWithWord(rest, "nan")) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return convert(text, true);
}

double parsePlainNumber(std::string_view text) {
    return convert(text, false);
}

std::optional<std::int32_t> truncateToInt32(double value) {
    // Both bounds are exact doubles; truncation keeps everything strictly inside them.
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t saturateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::string formatValue(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    std::string text(buffer, end);
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(notDefinedMarker);
    }
    if (decimals == 0) {
        value = std::round(value);
    }
    std::array<char, 400> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    std::string text(buffer.data());
    bool allZero = true;
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        } else if (c >= '1' && c <= '9') {
            allZero = false;
        }
    }
    if (allZero && !text.empty() && text[0] == '-') {
        text.erase(0, 1);
    }
    return text;
}

} // namespace morvane::NumberText
