#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "record/report_printer.h"
#include "record/run_errors.h"

class QPrinter;
class QWidget;

namespace korvelin {

// Opens the device of one document, ready to paint on; throws PrinterFailure when there is none.
using PrinterOpener = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer, without a dialog. When there is none, says so and offers to
// save the pages as a PDF file of the user's choice instead.
PrinterOpener defaultPrinterOrPdfFile(QWidget* dialogParent);

// A PDF file at the given path, on A4 pages.
PrinterOpener pdfFile(const QString& path);

// The report's font: the face of that name, or the report's default face for an empty one.
QFont reportFont(const QString& face, float points);

// Lays reports out on the pages of a QPrinter. The print position counts from the left and top
// edges of the printable area; an empty face name selects the report's default face; a
// character column is as wide as the average character of the current font; each line stands
// one line spacing of its font below the previous one. When the next line would pass the
// bottom of the printable area, a new page begins at the vertical print position again.
//
// The device is opened by the first line of a document and released by endDocument(); a
// failure of either, or of a page break, throws PrinterFailure and drops the document.
class QtReportPrinter : public ReportPrinter {
 public:
  explicit QtReportPrinter(PrinterOpener open);
  ~QtReportPrinter() override;

  void setPrintPosition(float horizontalTwips, float verticalTwips) override;
  void setFontName(const std::string& face) override;
  void setFontSize(float points) override { points_ = points; }
  void printLine(const ReportLine& line) override;
  void printEmptyLine() override { printLine({}); }
  void endDocument() override;

 private:
  class Document;

  Document& document();
  [[noreturn]] void abandon(const std::string& message);

  PrinterOpener open_;
  std::unique_ptr<Document> document_;
  float leftTwips_ = 0;
  float topTwips_ = 0;
  QString face_;
  float points_ = 10;
};

}  // namespace korvelin
