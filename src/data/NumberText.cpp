#include "data/NumberText.h"

#include <algorithm>
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

// Letters, digits and the bytes of non-ASCII characters continue a word.
bool continuesWord(char c) {
    return isDigit(c) || (lower(c) >= 'a' && lower(c) <= 'z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

// True when the text starts with the word, in any case, and the word ends there: "inf" and "inf;"
// start with "inf", "info" does not.
bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lower(text[i]) != word[i]) {
            return false;
        }
    }
    return text.size() == word.size() || !continuesWord(text[word.size()]);
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
    if (startsWithWord(rest, "inf") || startsWithWord(rest, "infinity")) {
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

namespace {

// Values with at most two decimals (nearly every measured value) are written from their
// hundredths directly. Below 10^13 such a decimal has at most 15 significant digits, so no
// shorter decimal reads back to the same double, and fixed notation is never longer than
// scientific. Whole numbers ending in 0 are left to to_chars, which may write "1e+05".
char* formatHundredths(double value, char* out) {
    const double hundredths = value * 100;
    if (!(std::abs(hundredths) < 1e15) || hundredths != std::trunc(hundredths)) {
        return nullptr;
    }
    const auto whole = static_cast<std::int64_t>(hundredths);
    if (static_cast<double>(whole) / 100 != value || whole % 1000 == 0) {
        return nullptr;
    }
    if (whole < 0 || (whole == 0 && std::signbit(value))) {
        *out++ = '-';
    }
    const std::uint64_t magnitude =
        whole < 0 ? static_cast<std::uint64_t>(-whole) : static_cast<std::uint64_t>(whole);
    out = std::to_chars(out, out + 24, magnitude / 100).ptr;
    const auto cents = static_cast<int>(magnitude % 100);
    if (cents != 0) {
        *out++ = ',';
        *out++ = static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            *out++ = static_cast<char>('0' + cents % 10);
        }
    }
    return out;
}

} // namespace

char* formatValue(double value, char* out) {
    if (std::isnan(value)) {
        return std::copy_n("nan", 3, out);
    }
    if (char* end = formatHundredths(value, out)) {
        return end;
    }
    char* const end = std::to_chars(out, out + maxFormattedValueLength, value).ptr;
    std::replace(out, end, '.', ',');
    return end;
}

std::string formatValue(double value) {
    char buffer[maxFormattedValueLength];
    return std::string(buffer, formatValue(value, buffer));
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(notDefinedMarker);
    }
    // printf rounds a value exactly halfway between two results to the even digit; the list
    // rounds such ties away from zero in every column (0,125 -> 0,13; 12,25 -> 12,3; 2,5 -> 3).
    // A double is such a tie exactly when value * 2^(decimals + 1) is an odd whole number; below
    // 2^40 one step to the next double moves it off the tie and nowhere near another one.
    const double scaled = std::ldexp(value, decimals + 1);
    if (std::abs(value) < 0x1p40 && scaled == std::trunc(scaled) && std::fmod(scaled, 2) != 0) {
        value = std::nextafter(value, std::copysign(INFINITY, value));
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
