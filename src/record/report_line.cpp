#include "record/east_asian_width.h"
#include "record/report_printer.h"

namespace korvelin {
namespace {

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Beyond every code point: a byte that starts no well-formed sequence, one column wide.
constexpr char32_t kStrayByte = 0x110000;

// The code point that starts at `at`, stepping `at` over its bytes.
char32_t decodeAt(const std::string& utf8, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(utf8[at]);
  const int length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
  if (length == 1 || lead >= 0xF5 || at + length > utf8.size()) {
    ++at;
    return lead < 0x80 ? lead : kStrayByte;
  }
  char32_t codePoint = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(utf8[at + k]);
    if (!isContinuation(byte)) {
      ++at;
      return kStrayByte;
    }
    codePoint = codePoint << 6 | (byte & 0x3F);
  }
  at += length;
  return codePoint;
}

}  // namespace

double columnItemStart(double end, int c) {
  const double target = c > 1 ? c - 1 : 0;
  return end > 0 && end >= target ? end + 1 : target;
}

std::size_t textColumns(const std::string& utf8) {
  std::size_t columns = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    columns += takesTwoColumns(decodeAt(utf8, at)) ? 2 : 1;
  }
  return columns;
}

std::string renderInColumns(const ReportLine& line) {
  std::string rendered;
  std::size_t width = 0;
  const auto append = [&](const std::string& piece) {
    rendered += piece;
    width += textColumns(piece);
  };
  for (const auto& item : line) {
    switch (item.kind) {
      case ReportItem::Column: {
        const auto start = static_cast<std::size_t>(columnItemStart(width, item.value));
        append(std::string(start - width, ' '));
        break;
      }
      case ReportItem::Blanks:
        append(std::string(item.value, ' '));
        break;
      case ReportItem::Text:
        append(item.text);
        break;
      case ReportItem::Number:
        append(' ' + std::to_string(item.value) + ' ');
        break;
    }
  }
  return rendered;
}

}  // namespace korvelin
