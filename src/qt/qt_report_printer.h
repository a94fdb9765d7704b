#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "qt/print_services.h"
#include "record/report_printer.h"
#include "record/run_errors.h"

class QWidget;

namespace korvelin {

// Where a finished report goes: a destination of the print system, by name, or a PDF file.
struct ReportTarget {
  enum Kind { Printer, File } kind;
  QString name;
};

// Decides where a report goes; throws PrinterFailure when it is to go nowhere.
using TargetChooser = std::function<ReportTarget()>;

// The print system's default destination, without a dialog. When there is none, or the print
// server cannot be reached, says so and offers to save the report as a PDF file instead.
TargetChooser defaultPrinterOrPdfFile(PrintSystem& system, QWidget* dialogParent);

// A PDF file at the given path.
TargetChooser pdfFile(const QString& path);

// The report's font: the face of that name, or the report's default face for an empty one.
QFont reportFont(const QString& face, float points);

// Why the bytes are not a whole PDF of that many pages; empty when they are.
std::string pdfFault(const QByteArray& pdf, int pages);

// Lays reports out on A4 pages and delivers them. The lines of a document are kept until
// endDocument(), which renders them into a temporary PDF, reads it back and checks it (its
// pages, its trailer), then moves it onto the chosen file or submits it to the printer. Any
// failure throws PrinterFailure with a text that names the printer or the file and the reason,
// and drops the document; a report that arrives says nothing.
//
// On the page: the print position counts from the left and top edges of the printable area; an
// empty face name selects the report's default face; a character column is as wide as a Latin
// character of the current face (an ideograph takes two); lines stand 1.2 times their size
// apart; a line that would pass the bottom margin, as high as the top position, begins a new
// page; a report of more than one page has "第 k 页 共 N 页" at the foot of each.
class QtReportPrinter : public ReportPrinter {
 public:
  QtReportPrinter(TargetChooser choose, PrintSystem& system, ReportFiles& files);

  void setPrintPosition(float horizontalTwips, float verticalTwips) override;
  void setFontName(const std::string& face) override;
  void setFontSize(float points) override { points_ = points; }
  void printLine(const ReportLine& line) override;
  void printEmptyLine() override { printLine({}); }
  void endDocument() override;

 private:
  struct Line {
    ReportLine items;
    QFont font;
  };

  void deliver(const ReportTarget& target, const QString& pdf);
  int render(const std::vector<Line>& lines, const QString& pdf) const;

  TargetChooser choose_;
  PrintSystem& system_;
  ReportFiles& files_;
  std::vector<Line> lines_;
  float leftTwips_ = 0;
  float topTwips_ = 0;
  QString face_;
  float points_ = 10;
};

}  // namespace korvelin
