#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text <-> number conversions of the measurement file and the data list.
namespace morvane::NumberText {

// Value conversion of sample numbers and components. Reads the longest number at the start of
// the text (after blanks): optional sign, digits with a decimal comma or a decimal point, an
// optional exponent ("1,5e3"), or the words inf/infinity/nan in any case (whole words: "info"
// is no number). Trailing text is ignored, as with a classic Val(). A text that is no number
// yields 0. Correctly rounded; a magnitude beyond the double range yields an infinity of its
// sign, one below it zero.
double parseValue(std::string_view text);

// Plain conversion of the colour index: as parseValue, but only the decimal point counts as a
// separator (a comma ends the number) and no words are read.
double parsePlainNumber(std::string_view text);

// Sample number: the truncation of a finite value within the 32-bit range, else nothing (the
// row is then dropped).
std::optional<std::int32_t> truncateToInt32(double value);

// Colour index: truncation toward zero, saturated to the 32-bit range; NaN gives 0.
std::int32_t saturateToInt32(double value);

// Shortest text that reads back to the same double through parseValue, with a decimal comma,
// no thousands separators ("0,1", "-2,5", "1e+20", "inf", "nan").
std::string formatValue(double value);
// The same into a buffer of at least maxFormattedValueLength bytes; returns the end.
inline constexpr std::size_t maxFormattedValueLength = 32;
char* formatValue(double value, char* out);

// Fixed decimals (0 to 3) with a decimal comma ("0.00" pattern: decimals = 2), rounded to the
// nearest, a value exactly halfway away from zero. A result that is zero in every shown digit
// carries no minus sign. Non-finite values give notDefinedMarker.
std::string formatFixed(double value, int decimals);

// What the data list and `morvane list` show for a value that is not a finite number (the
// normalised values of a row whose components sum to 0).
inline constexpr std::string_view notDefinedMarker = "n.d.";

} // namespace morvane::NumberText
