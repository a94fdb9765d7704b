#pragma once

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

// The line in character columns: a column pads with blanks to c − 1 code points, or adds one
// blank when the text already reaches past it.
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
