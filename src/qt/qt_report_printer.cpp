#include "qt/qt_report_printer.h"

#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <utility>

#include "output/print_messages.h"
#include "output/report_pages.h"
#include "qt/qt_text.h"

namespace korvelin {
namespace {

namespace messages = print_messages;

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;
constexpr float kFootPoints = 10;

// Asks whether the report is to be saved as a PDF file, since it cannot be printed for the
// reason given; the file the user chooses, or PrinterFailure.
ReportTarget offerPdfFile(QWidget* parent, const std::string& situation) {
  const auto answer = QMessageBox::question(parent, QGuiApplication::applicationDisplayName(),
                                            qtText(messages::offerPdf(situation)),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) throw PrinterFailure(situation);
  const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("报告保存为 PDF 文件"),
                                                    QStringLiteral("Korvelin.pdf"),
                                                    QStringLiteral("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) throw PrinterFailure(situation + messages::noPdfFileChosen());
  return {ReportTarget::File, path};
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

// One report line from `left` at the line's top `top`, in device pixels. A column is the advance
// of a Latin character; the report face draws an ideograph exactly two columns wide, so the
// column rule measures what stands before a column item in the columns it takes on paper.
void drawLine(QPainter& painter, const QFontMetricsF& metrics, double left, double top,
              const ReportLine& line) {
  const double column = metrics.horizontalAdvance(QLatin1Char('0'));
  double x = left;
  for (const auto& item : line) {
    if (item.kind == ReportItem::Column) {
      x = left + columnItemStart((x - left) / column, item.value) * column;
      continue;
    }
    const QString text = itemText(item);
    painter.drawText(QPointF(x, top + metrics.ascent()), text);
    x += metrics.horizontalAdvance(text);
  }
}

// "第 k 页 共 N 页", centred in the bottom margin.
void drawFoot(QPainter& painter, const QPrinter& printer, double bottom, int page, int pages) {
  const QFont font = reportFont({}, kFootPoints);
  const QFontMetricsF metrics(font, &printer);
  const QString foot = qtText(messages::pageFoot(page, pages));
  const double x = (printer.width() - metrics.horizontalAdvance(foot)) / 2;
  const double baseline = bottom + (printer.height() - bottom + metrics.ascent()) / 2;
  painter.setFont(font);
  painter.drawText(QPointF(x, baseline), foot);
}

// Removes the temporary PDF however the report ends; after a move there is nothing to remove.
struct TemporaryFile {
  ReportFiles& files;
  QString path;
  ~TemporaryFile() { files.remove(path); }
};

}  // namespace

TargetChooser defaultPrinterOrPdfFile(PrintSystem& system, QWidget* dialogParent) {
  return [&system, dialogParent]() -> ReportTarget {
    const auto destination = system.defaultDestination();
    switch (destination.status) {
      case PrintSystem::DefaultDestination::Found:
        return {ReportTarget::Printer, qtText(destination.name)};
      case PrintSystem::DefaultDestination::None:
        return offerPdfFile(dialogParent, messages::noDefaultPrinter());
      case PrintSystem::DefaultDestination::Unreachable:
        return offerPdfFile(dialogParent,
                            messages::serverUnreachable(destination.server, destination.reason));
    }
    throw PrinterFailure(messages::noDefaultPrinter());
  };
}

TargetChooser pdfFile(const QString& path) {
  return [path] { return ReportTarget{ReportTarget::File, path}; };
}

// An empty name selects the report's own face, WenQuanYi Zen Hei Mono: its Latin letters and
// digits are all one column wide and its ideographs exactly two, so the report's columns line
// up; l, 1 and I, and 0 and O, have shapes of their own, and three hyphens stay three; and each
// of its characters has a glyph of its own, so that the text of the PDF reads back (in the large
// CJK faces, Noto CJK, the ideographs share their glyphs with the radicals, and the PDF would
// read "边⻓ (⽶)" for "边长 (米)"). Without it, the application's default face stands in.
QFont reportFont(const QString& face, float points) {
  const QString mono = QStringLiteral("WenQuanYi Zen Hei Mono");
  QFont font;
  const QString fallback = QFontInfo(font).family();
  font.setFamilies(face.isEmpty() ? QStringList{mono, fallback}
                                  : QStringList{face, mono, fallback});
  font.setPointSizeF(points);
  return font;
}

std::string pdfFault(const QByteArray& pdf, int pages) {
  if (pdf.isEmpty()) return messages::emptyPdf();
  if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF") || !pdf.contains("trailer")) {
    return messages::pdfWithoutTrailer(pdf.size());
  }
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
  const auto found = static_cast<int>(QString::fromLatin1(pdf).count(page));
  if (found != pages) return messages::pdfPageCount(found, pages);
  return {};
}

QtReportPrinter::QtReportPrinter(TargetChooser choose, PrintSystem& system, ReportFiles& files)
    : choose_(std::move(choose)), system_(system), files_(files) {}

void QtReportPrinter::setPrintPosition(float horizontalTwips, float verticalTwips) {
  leftTwips_ = horizontalTwips;
  topTwips_ = verticalTwips;
}

void QtReportPrinter::setFontName(const std::string& face) {
  face_ = qtText(face);
}

void QtReportPrinter::printLine(const ReportLine& line) {
  lines_.push_back({line, reportFont(face_, points_)});
}

void QtReportPrinter::endDocument() {
  if (lines_.empty()) return;
  const std::vector<Line> lines = std::exchange(lines_, {});
  const ReportTarget target = choose_();

  QString error;
  const QString pdf = files_.createTemporaryPdf(error);
  if (pdf.isEmpty()) {
    throw PrinterFailure(
        messages::temporaryPdfFailed(utf8Text(files_.temporaryFolder()), utf8Text(error)));
  }
  const TemporaryFile removal{files_, pdf};
  const int pages = render(lines, pdf);
  const auto bytes = files_.read(pdf, error);
  if (!bytes) throw PrinterFailure(messages::pdfIncomplete(utf8Text(pdf), utf8Text(error)));
  if (const std::string fault = pdfFault(*bytes, pages); !fault.empty()) {
    throw PrinterFailure(messages::pdfIncomplete(utf8Text(pdf), fault));
  }
  deliver(target, pdf);
}

// The pages of the report in the PDF file; their number.
int QtReportPrinter::render(const std::vector<Line>& lines, const QString& pdf) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(QStringLiteral("Korvelin"));
  const double dpi = printer.resolution();
  const auto device = [dpi](double twips) { return twips * dpi / kTwipsPerInch; };

  std::vector<double> pitches;
  for (const auto& line : lines) {
    pitches.push_back(line.font.pointSizeF() * report_pages::kLinePitch * dpi / kPointsPerInch);
  }
  const double top = device(topTwips_);
  const double bottom = printer.height() - top;
  const auto places = report_pages::placeLines(pitches, top, bottom);
  const int pages = report_pages::pageCount(places);

  QPainter painter;
  if (!painter.begin(&printer)) throw PrinterFailure(messages::pdfWriteFailed(utf8Text(pdf), {}));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 && places[i].page != places[i - 1].page) {
      if (pages > 1) drawFoot(painter, printer, bottom, places[i - 1].page + 1, pages);
      if (!printer.newPage()) {
        painter.end();
        throw PrinterFailure(messages::pageBreakFailed(utf8Text(pdf)));
      }
    }
    painter.setFont(lines[i].font);
    drawLine(painter, QFontMetricsF(lines[i].font, &printer), device(leftTwips_), places[i].top,
             lines[i].items);
  }
  if (pages > 1) drawFoot(painter, printer, bottom, pages, pages);
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    throw PrinterFailure(messages::pdfWriteFailed(utf8Text(pdf), {}));
  }
  return pages;
}

void QtReportPrinter::deliver(const ReportTarget& target, const QString& pdf) {
  if (target.kind == ReportTarget::File) {
    QString error;
    if (!files_.move(pdf, target.name, error)) {
      throw PrinterFailure(messages::pdfSaveFailed(utf8Text(target.name), utf8Text(error)));
    }
    return;
  }
  const auto job = system_.submitPdf(utf8Text(target.name), pdf, "Korvelin");
  if (job.jobId <= 0) throw PrinterFailure(messages::jobRefused(utf8Text(target.name), job.reason));
}

}  // namespace korvelin
