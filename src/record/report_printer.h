#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvelin {

// One item of a report line.
struct ReportItem {
  enum Kind {
    Column,  // move to character column value (from 1)
    Blanks,  // value blanks
    Text,    // text as it stands
    Number,  // the integer value with a blank in front and behind
  } kind;
  int value = 0;
  std::string text;
};

using ReportLine = std::vector<ReportItem>;

inline ReportItem column(int c) {
  return {ReportItem::Column, c, {}};
}
inline ReportItem blanks(int k) {
  return {ReportItem::Blanks, k, {}};
}
inline ReportItem text(std::string t) {
  return {ReportItem::Text, 0, std::move(t)};
}
inline ReportItem number(int v) {
  return {ReportItem::Number, v, {}};
}

// The column rule, the one decision of where the item after a column item c starts: at column c
// (c − 1 character columns from the left edge; a column below 1 is the edge), or one blank after
// the text before it when that text, ending `end` columns from the edge, already fills c − 1
// columns or more, so that two items never touch. The printers measure `end` on the page,
// renderInColumns() in display columns.
double columnItemStart(double end, int c);

// The display columns that a text takes as the report face draws it: two for a character whose
// East Asian Width is W, F or A (the Chinese characters among them), one for any other.
std::size_t textColumns(const std::string& utf8);

// The line in character columns, by the column rule.
std::string renderInColumns(const ReportLine& line);

// The printing platform: one document per report, positions in twips, sizes in points.
class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;
  virtual void setPrintPosition(float horizontalTwips, float verticalTwips) = 0;
  virtual void setFontName(const std::string& face) = 0;
  virtual void setFontSize(float points) = 0;
  virtual void printLine(const ReportLine& line) = 0;
  virtual void printEmptyLine() = 0;
  virtual void endDocument() = 0;
};

}  // namespace korvelin
