// Conversions between text and numbers with the rules the suite's users know from the old
// platform: numeric text may carry blanks, a sign, a decimal point and an exponent; booleans
// read "True"/"False" or any number; rounding sends halves to the even neighbour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvel::common {

// The number a text stands for, or nothing when it is not numeric text. Accepts surrounding
// blanks, a leading sign, digits with one decimal point, an optional exponent, and the hex
// form "&H1F". An empty or blank text is not numeric.
std::optional<double> parseNumber(std::string_view text);
bool isNumeric(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Numeric text to a whole number of the given width, rounded half to even. Throws Error 13
// (type mismatch) for text that is not numeric and Error 6 (overflow) when out of range.
int16_t toInt16(std::string_view text);
int32_t toInt32(std::string_view text);

// "True"/"False" (any case, blanks around allowed) or numeric text (true when not zero).
// Throws Error 13 (type mismatch) otherwise.
bool toBoolean(std::string_view text);

// Whole numbers in decimal; doubles in the shortest form that reads back the same.
std::string formatNumber(double value);

}  // namespace norvel::common
