#include "qt/qt_report_printer.h"

#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "qt/qt_text.h"

namespace korvelin {
namespace {

constexpr double kTwipsPerInch = 1440;

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setPageSize(QPageSize(QPageSize::A4));
  return printer;
}

QString askForPdfFile(QWidget* parent) {
  const QString title = QGuiApplication::applicationDisplayName();
  const auto answer = QMessageBox::question(
      parent, title, QStringLiteral("没有默认打印机。要把报告保存为 PDF 文件吗？"),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) throw PrinterFailure("没有默认打印机。");
  const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("报告保存为 PDF 文件"),
                                                    QStringLiteral("Korvelin.pdf"),
                                                    QStringLiteral("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) throw PrinterFailure("没有默认打印机，也没有选定 PDF 文件。");
  return path;
}

std::string deviceName(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    return "PDF 文件 " + utf8Text(printer.outputFileName());
  }
  return "打印机 " + utf8Text(printer.printerName());
}

QString itemText(const ReportItem& item) {
  switch (item.kind) {
    case ReportItem::Blanks:
      return QString(item.value, QLatin1Char(' '));
    case ReportItem::Text:
      return qtText(item.text);
    case ReportItem::Number:
      return QStringLiteral(" %1 ").arg(item.value);
    case ReportItem::Column:
      break;
  }
  return {};
}

}  // namespace

PrinterOpener defaultPrinterOrPdfFile(QWidget* dialogParent) {
  return [dialogParent] {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return pdfPrinter(askForPdfFile(dialogParent));
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  };
}

PrinterOpener pdfFile(const QString& path) {
  return [path] { return pdfPrinter(path); };
}

// An empty name selects the report's own default face, a Song face limited to GB 2312 whose
// Latin letters and digits are all half as wide as its ideographs: the report is laid out in
// character columns, and in this face its columns of figures line up. It is also the face of the
// Chinese text under any other name, for each of its characters has a glyph of its own: Qt's PDF
// output names a glyph's character by the lowest code point that maps to it, and in the large CJK
// faces (Noto CJK) the ideographs share their glyphs with the radicals, so that the text of the PDF
// would read "边⻓ (⽶)" for "边长 (米)". Without it, the application's default face stands in.
QFont reportFont(const QString& face, float points) {
  const QString song = QStringLiteral("AR PL SungtiL GB");
  QFont font;
  const QString fallback = QFontInfo(font).family();
  font.setFamilies(face.isEmpty() ? QStringList{song, fallback}
                                  : QStringList{face, song, fallback});
  font.setPointSizeF(points);
  return font;
}

// One open document: the device, the painter on it and the top of the next line.
class QtReportPrinter::Document {
 public:
  Document(std::unique_ptr<QPrinter> printer, float topTwips) : printer_(std::move(printer)) {
    printer_->setDocName(QStringLiteral("Korvelin"));
    if (!painter_.begin(printer_.get())) {
      throw PrinterFailure(deviceName(*printer_) + " 无法开始打印。");
    }
    moveTo(topTwips);
  }

  ~Document() {
    if (!painter_.isActive()) return;
    printer_->abort();
    painter_.end();
  }

  double device(float twips) const { return twips * printer_->resolution() / kTwipsPerInch; }
  void moveTo(float topTwips) { top_ = y_ = device(topTwips); }

  QFontMetricsF use(const QFont& font) {
    painter_.setFont(font);
    return QFontMetricsF(font, printer_.get());
  }

  // False when the page break failed.
  bool makeRoom(double lineHeight) {
    if (y_ + lineHeight <= printer_->height() || y_ == top_) return true;
    y_ = top_;
    return printer_->newPage();
  }

  void draw(double x, double baseline, const QString& text) {
    painter_.drawText(QPointF(x, y_ + baseline), text);
  }
  void advance(double lineSpacing) { y_ += lineSpacing; }

  // False when the device reports an error.
  bool finish() { return painter_.end() && printer_->printerState() != QPrinter::Error; }

  const QPrinter& printer() const { return *printer_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  double top_ = 0;
  double y_ = 0;
};

QtReportPrinter::QtReportPrinter(PrinterOpener open) : open_(std::move(open)) {}

QtReportPrinter::~QtReportPrinter() = default;

void QtReportPrinter::setPrintPosition(float horizontalTwips, float verticalTwips) {
  leftTwips_ = horizontalTwips;
  topTwips_ = verticalTwips;
  if (document_) document_->moveTo(verticalTwips);
}

void QtReportPrinter::setFontName(const std::string& face) {
  face_ = qtText(face);
}

QtReportPrinter::Document& QtReportPrinter::document() {
  if (!document_) document_ = std::make_unique<Document>(open_(), topTwips_);
  return *document_;
}

void QtReportPrinter::abandon(const std::string& message) {
  document_.reset();
  throw PrinterFailure(message);
}

void QtReportPrinter::printLine(const ReportLine& line) {
  Document& page = document();
  const QFontMetricsF metrics = page.use(reportFont(face_, points_));
  if (!page.makeRoom(metrics.height())) abandon(deviceName(page.printer()) + " 未能换页。");

  const double left = page.device(leftTwips_);
  const double column = metrics.averageCharWidth();
  double x = left;
  for (const auto& item : line) {
    if (item.kind == ReportItem::Column) {
      x = left + columnItemStart((x - left) / column, item.value) * column;
      continue;
    }
    const QString text = itemText(item);
    page.draw(x, metrics.ascent(), text);
    x += metrics.horizontalAdvance(text);
  }
  page.advance(metrics.lineSpacing());
}

void QtReportPrinter::endDocument() {
  if (!document_) return;
  const bool delivered = document_->finish();
  const std::string name = deviceName(document_->printer());
  document_.reset();
  if (!delivered) throw PrinterFailure(name + " 出错，报告未能全部送出。");
}

}  // namespace korvelin
