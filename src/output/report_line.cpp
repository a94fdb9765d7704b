#include "record/report_printer.h"

#include <cstddef>

namespace korvelin {
namespace {

std::size_t codePoints(const std::string& utf8) {
  std::size_t count = 0;
  for (const unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

}  // namespace

std::string renderInColumns(const ReportLine& line) {
  std::string rendered;
  std::size_t width = 0;
  const auto append = [&](const std::string& piece) {
    rendered += piece;
    width += codePoints(piece);
  };
  for (const auto& item : line) {
    switch (item.kind) {
      case ReportItem::Column: {
        const std::size_t target = item.value > 1 ? static_cast<std::size_t>(item.value - 1) : 0;
        append(width > target ? std::string(1, ' ') : std::string(target - width, ' '));
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
