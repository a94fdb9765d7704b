#include "record/number_format.h"

#include <charconv>
#include <cmath>

namespace korvelin {
namespace {

constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};

std::string generalForm(double v, int precision) {
  if (v == 0) return "0";  // also a negative zero
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, precision);
  return std::string(buffer, result.ptr);
}

// Rounds the decimal digits in place at position keep, a half away from zero. digits[0] is a
// spare '0' that takes the last carry.
void roundDigitsAt(std::string& digits, std::size_t keep) {
  if (keep >= digits.size()) {
    digits.append(keep - digits.size(), '0');
    return;
  }
  const bool up = digits[keep] >= '5';
  digits.resize(keep);
  for (std::size_t i = keep; up && i-- > 0;) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      break;
    }
  }
}

}  // namespace

double roundTo(double v, int decimals) {
  const double scale = kPowersOfTen[decimals];
  const double scaled = v * scale;
  if (!std::isfinite(scaled)) return v;  // so large that it has no decimals to lose
  return std::nearbyint(scaled) / scale;
}

float roundTo(float v, int decimals) {
  return static_cast<float>(roundTo(static_cast<double>(v), decimals));
}

std::string pattern(double v, std::string_view format) {
  const std::size_t decimals = format.size() - 2;  // "0." followed by one 0 per decimal
  if (!std::isfinite(v)) return generalForm(v, 15);

  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 14).ptr;
  const std::string_view text(buffer, end - buffer);  // [-]d.dddddddddddddde±xx
  const bool negative = text.front() == '-';
  const std::string_view mantissa = text.substr(negative ? 1 : 0, 16);
  const char* exponentText = buffer + text.find('e') + 1;
  if (*exponentText == '+') ++exponentText;
  int exponent = 0;
  std::from_chars(exponentText, end, exponent);

  // Digits with a spare leading 0; pointAt digits stand before the decimal point.
  std::string digits = "0";
  digits += mantissa[0];
  digits += mantissa.substr(2);
  long pointAt = exponent + 2;
  if (pointAt < 1) {
    digits.insert(0, static_cast<std::size_t>(1 - pointAt), '0');
    pointAt = 1;
  }
  roundDigitsAt(digits, static_cast<std::size_t>(pointAt) + decimals);

  std::size_t first = 0;
  while (first + 1 < static_cast<std::size_t>(pointAt) && digits[first] == '0') ++first;
  std::string result = digits.substr(first, pointAt - first);
  if (decimals > 0) result += '.' + digits.substr(pointAt);
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  return negative && !zero ? '-' + result : result;
}

std::string general(double v) {
  return generalForm(v, 15);
}

std::string general(float v) {
  return generalForm(static_cast<double>(v), 7);
}

std::string digits(long long v) {
  return std::to_string(v);
}

}  // namespace korvelin
