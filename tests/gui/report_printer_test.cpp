// The page set-up of the report printer, read back from the PDF files it writes: the print
// position, the character columns, the line spacing, the page breaks, and its failures.
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "dialog_autopilot.h"
#include "pdf_text.h"
#include "qt/qt_report_printer.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

constexpr double kPointsPerTwip = 72.0 / 1440;

// What the test compares against: the device a PDF report is laid out on, in points.
struct Page {
  std::unique_ptr<QPrinter> printer = pdfFile(QStringLiteral("unused.pdf"))();
  QRectF paint = printer->pageLayout().paintRect(QPageLayout::Point);

  double points(double devicePixels) const { return devicePixels * 72 / printer->resolution(); }
  QFontMetricsF metrics(float size) const { return {reportFont({}, size), printer.get()}; }
};

QList<PdfWord> wordsOf(const QList<PdfWord>& words, const QString& text) {
  QList<PdfWord> found;
  for (const auto& word : words) {
    if (word.text == text) found.append(word);
  }
  return found;
}

void setUp(ReportPrinter& printer, float size) {
  printer.setPrintPosition(2000, 1000);
  printer.setFontName("");
  printer.setFontSize(size);
}

}  // namespace

class ReportPrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void positionsColumnsAndLines();
  void newPageWhenTheNextLineWouldPassTheBottom();
  void unwritableFileFailsAndIsDropped();
  void emptyDocumentWritesNothing();

 private:
  QString pdf(const char* name) const { return files_.filePath(QLatin1String(name)); }
  QTemporaryDir files_;
};

void ReportPrinterTest::positionsColumnsAndLines() {
  QtReportPrinter printer(pdfFile(pdf("columns.pdf")));
  setUp(printer, 12);
  printer.printLine({text("Title")});
  printer.setFontSize(10);
  printer.printLine({text("Left")});
  printer.printLine({column(21), text("Col21")});
  printer.printLine({text("WWWWWWWWWW"), column(3), text("Past")});
  printer.printLine({text("s("), number(12), text(")=")});
  printer.endDocument();

  const Page page;
  const QList<PdfWord> words = pdfWords(pdf("columns.pdf"));
  const auto first = [&](const char* text) {
    const auto found = wordsOf(words, QLatin1String(text));
    return found.isEmpty() ? PdfWord{-1, {}, {}} : found.first();
  };
  const double left = page.paint.left() + 2000 * kPointsPerTwip;
  const double column = page.points(page.metrics(10).averageCharWidth());
  const double blank = page.points(page.metrics(10).horizontalAdvance(QLatin1Char(' ')));
  QCOMPARE_LT(std::abs(first("Title").box.left() - left), 0.5);
  QCOMPARE_LT(std::abs(first("Left").box.left() - left), 0.5);
  QCOMPARE_LT(std::abs(first("Col21").box.left() - (left + 20 * column)), 0.5);
  QCOMPARE_LT(std::abs(first("Past").box.left() - (first("WWWWWWWWWW").box.right() + blank)), 0.5);
  for (const char* part : {"s(", "12", ")="}) {  // a number item stands between two blanks
    QCOMPARE(wordsOf(words, QLatin1String(part)).size(), 1);
  }

  // The title's line starts 1000 twips below the top of the printable area (pdftotext puts a
  // word's top one ascent of its face above the baseline, as the layout does).
  const double top = page.paint.top() + 1000 * kPointsPerTwip;
  QCOMPARE_LT(std::abs(first("Title").box.top() - top), 1.0);
  // Each line one line spacing of its own font below the previous one.
  QCOMPARE_LT(std::abs(first("Left").box.top() - first("Title").box.top() -
                       page.points(page.metrics(12).lineSpacing())),
              0.2);
  QCOMPARE_LT(std::abs(first("Col21").box.top() - first("Left").box.top() -
                       page.points(page.metrics(10).lineSpacing())),
              0.2);
}

void ReportPrinterTest::newPageWhenTheNextLineWouldPassTheBottom() {
  constexpr int kLines = 150;
  QtReportPrinter printer(pdfFile(pdf("pages.pdf")));
  setUp(printer, 10);
  for (int i = 1; i <= kLines; ++i) printer.printLine({text("Line" + std::to_string(i))});
  printer.endDocument();

  const Page page;
  const QFontMetricsF metrics = page.metrics(10);
  const double top = 1000.0 / 1440 * page.printer->resolution();
  const int perPage =
      static_cast<int>(
          std::floor((page.printer->height() - metrics.height() - top) / metrics.lineSpacing())) +
      1;
  QVERIFY(perPage < kLines);

  const QList<PdfWord> words = pdfWords(pdf("pages.pdf"));
  QCOMPARE(words.size(), kLines);
  for (int i = 0; i < kLines; ++i) {
    QCOMPARE(words[i].text, QStringLiteral("Line%1").arg(i + 1));
    QCOMPARE(words[i].page, i / perPage);
    QCOMPARE_LE(words[i].box.bottom(), page.paint.bottom());
  }
  QCOMPARE_LT(std::abs(words[perPage].box.top() - words[0].box.top()), 0.1);
}

void ReportPrinterTest::unwritableFileFailsAndIsDropped() {
  QtReportPrinter printer(pdfFile(pdf("missing/report.pdf")));
  setUp(printer, 12);
  QVERIFY_THROWS_EXCEPTION(PrinterFailure, printer.printLine({text("Title")}));
  QVERIFY_THROWS_EXCEPTION(PrinterFailure, printer.printLine({text("again")}));
  printer.endDocument();  // nothing open: nothing to release
  QVERIFY(!QFile::exists(pdf("missing/report.pdf")));
}

void ReportPrinterTest::emptyDocumentWritesNothing() {
  QtReportPrinter printer(pdfFile(pdf("empty.pdf")));
  setUp(printer, 12);
  printer.endDocument();
  QVERIFY(!QFile::exists(pdf("empty.pdf")));
}

QTEST_MAIN(ReportPrinterTest)
#include "report_printer_test.moc"
