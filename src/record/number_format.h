#pragma once

#include <string>
#include <string_view>

namespace korvelin {

// Round(v, k): v·10^k to the nearest integer, a half to the even neighbour, divided back by
// 10^k; computed in 64 bits and stored back in the width of v.
double roundTo(double v, int decimals);
float roundTo(float v, int decimals);

// pattern(v, "0.000" | "0.0000" | "0.00"): v written with 15 significant digits, that decimal
// text rounded to the pattern's decimals with a half away from zero. At least one integer digit,
// no separators, and a zero never carries a minus sign.
std::string pattern(double v, std::string_view format);

// The general number form: %g with 15 significant digits for a 64-bit value, 7 for a 32-bit
// value, without trailing zeros; a negative zero is "0".
std::string general(double v);
std::string general(float v);

// An integer inside a text: decimal digits, no blank.
std::string digits(long long v);

}  // namespace korvelin
