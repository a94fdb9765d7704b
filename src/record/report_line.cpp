#include "record/report_printer.h"

namespace korvelin {

double columnItemStart(double end, int c) {
  const double target = c > 1 ? c - 1 : 0;
  return end > target ? end + 1 : target;
}

std::size_t textColumns(const std::string& utf8) {
  std::size_t count = 0;
  for (const unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
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
