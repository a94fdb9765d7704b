#pragma once

#include <string>
#include <vector>

#include "record/report_printer.h"

namespace korvelin {

// Prints reports on the system's default printer (GetDefaultPrinterW) through GDI, without a
// dialog.
//
// The lines of a document are held until endDocument(), which lays them out and prints them,
// so that every page can carry the number of pages. The print position counts in twips from the
// left and top edges of the printable area; an empty face name selects the printer's face for
// Chinese (every face is asked for with the GB2312 character set); a character column is as wide
// as the average character (tmAveCharWidth) of the line's font, and the columns follow the column
// rule. Lines stand 1.2 times their size apart. The bottom margin on the paper equals the top
// one: a line that would end nearer the bottom edge than the first line stands below the top
// edge begins a new page at the vertical print position, and a report of more than one page
// carries "第 k 页 共 N 页" at the foot of each page.
//
// A missing default printer and every failure of GDI (opening the printer, StartDocW,
// StartPage, EndPage, EndDoc) throw PrinterFailure, which names the printer and gives the
// system's reason; the document is then dropped.
class GdiReportPrinter : public ReportPrinter {
 public:
  void setPrintPosition(float horizontalTwips, float verticalTwips) override;
  void setFontName(const std::string& face) override { face_ = face; }
  void setFontSize(float points) override { points_ = points; }
  void printLine(const ReportLine& line) override;
  void printEmptyLine() override { printLine({}); }
  void endDocument() override;

  // A line of the document as the report gave it, with the set-up in force for it.
  struct HeldLine {
    ReportLine items;
    std::string face;
    float points;
    float leftTwips;
    float topTwips;
  };

 private:
  std::vector<HeldLine> lines_;
  float leftTwips_ = 0;
  float topTwips_ = 0;
  std::string face_;
  float points_ = 10;
};

}  // namespace korvelin
