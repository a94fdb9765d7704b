#include "entry/answer_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace korvelin {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The full-width forms a Chinese input method types, each with the ASCII character it stands for:
// the digits ０ … ９, the full stops ． and 。 as the decimal point, ＋ － ｅ Ｅ, and the
// ideographic space as a blank.
struct FullWidthForm {
  std::string_view utf8;
  char ascii;
};

constexpr FullWidthForm kFullWidthForms[] = {
    {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'},     {"５", '5'},
    {"６", '6'}, {"７", '7'}, {"８", '8'}, {"９", '9'}, {"．", '.'},     {"。", '.'},
    {"＋", '+'}, {"－", '-'}, {"ｅ", 'e'}, {"Ｅ", 'E'}, {"\u3000", ' '},
};

// The answer with every full-width form replaced by its ASCII character.
std::string asciiForm(std::string_view answer) {
  std::string ascii;
  ascii.reserve(answer.size());
  while (!answer.empty()) {
    if (static_cast<unsigned char>(answer.front()) < 0x80) {  // ASCII stands for itself
      ascii += answer.front();
      answer.remove_prefix(1);
      continue;
    }
    const auto form =
        std::find_if(std::begin(kFullWidthForms), std::end(kFullWidthForms),
                     [&](const FullWidthForm& f) { return answer.starts_with(f.utf8); });
    if (form == std::end(kFullWidthForms)) {
      ascii += answer.front();
      answer.remove_prefix(1);
    } else {
      ascii += form->ascii;
      answer.remove_prefix(form->utf8.size());
    }
  }
  return ascii;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Length of the digit run at the start of text.
std::size_t digitRun(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

bool isDecimalSyntax(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t whole = digitRun(text.substr(i));
  i += whole;
  std::size_t fraction = 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    fraction = digitRun(text.substr(i));
    i += fraction;
  }
  if (whole + fraction == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponent = digitRun(text.substr(i));
    if (exponent == 0) return false;
    i += exponent;
  }
  return i == text.size();
}

}  // namespace

bool isEmptyAnswer(std::string_view answer) {
  return trimmed(asciiForm(answer)).empty();
}

std::optional<double> readDecimal(std::string_view answer) {
  const std::string ascii = asciiForm(answer);
  std::string_view text = trimmed(ascii);
  if (!isDecimalSyntax(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

ConfirmAnswer readConfirm(const std::optional<std::string>& answer) {
  if (!answer || isEmptyAnswer(*answer)) return ConfirmAnswer::Confirmed;
  const auto value = readDecimal(*answer);
  if (!value) return ConfirmAnswer::Unreadable;
  return *value == 0 ? ConfirmAnswer::Rejected : ConfirmAnswer::Confirmed;
}

std::string quotedAnswer(std::string_view answer) {
  constexpr std::size_t kShown = 40;  // code points
  std::size_t points = 0, cut = 0;
  while (cut < answer.size() && points < kShown) {
    ++cut;
    while (cut < answer.size() && (static_cast<unsigned char>(answer[cut]) & 0xC0) == 0x80) ++cut;
    ++points;
  }
  std::string shown(answer.substr(0, cut));
  if (cut < answer.size()) shown += "…";
  return "「" + shown + "」";
}

}  // namespace korvelin
