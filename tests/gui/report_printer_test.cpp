// The report printer, read back from the PDF files it delivers: the print position, the
// character columns, the line pitch, the page breaks, the bottom margin and the page foot; the
// check of the rendered PDF; and every failure on the way to the file or the printer, through
// stand-ins for the print system and the file system.
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

#include "dialog_autopilot.h"
#include "pdf_text.h"
#include "print_stand_ins.h"
#include "qt/qt_report_printer.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

constexpr double kPointsPerTwip = 72.0 / 1440;

// What the test compares against: an A4 page of a PDF report, in points.
struct Page {
  QPrinter printer{QPrinter::HighResolution};
  Page() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
  }
  QRectF paint() const { return printer.pageLayout().paintRect(QPageLayout::Point); }
  double points(double devicePixels) const { return devicePixels * 72 / printer.resolution(); }
  QFontMetricsF metrics(float size) const { return {reportFont({}, size), &printer}; }
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

QString failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const PrinterFailure& failure) {
    return QString::fromUtf8(failure.what());
  }
  return {};
}

// A printer with stand-ins for the print system and the files.
struct Printing {
  explicit Printing(const QString& pdf)
      : printer(pdf.isEmpty() ? defaultPrinterOrPdfFile(system, nullptr) : pdfFile(pdf), system,
                files) {}
  StandInPrintSystem system;
  StandInFiles files;
  QtReportPrinter printer;
};

void printLines(ReportPrinter& printer, int count) {
  setUp(printer, 10);
  for (int i = 1; i <= count; ++i) printer.printLine({text("Line" + std::to_string(i))});
  printer.endDocument();
}

}  // namespace

class ReportPrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void positionsColumnsAndLines();
  void newPageWhenTheNextLineWouldPassTheBottomMargin();
  void deliveredToTheDefaultPrinterSilently();
  void failures_data();
  void failures();
  void pdfFaults_data();
  void pdfFaults();
  void emptyDocumentWritesNothing();

 private:
  QString pdf(const char* name) const { return files_.filePath(QLatin1String(name)); }
  QTemporaryDir files_;
};

void ReportPrinterTest::positionsColumnsAndLines() {
  Printing printing(pdf("columns.pdf"));
  QtReportPrinter& printer = printing.printer;
  setUp(printer, 12);
  printer.printLine({text("Title")});
  printer.setFontSize(10);
  printer.printLine({text("Left")});
  printer.printLine({column(21), text("Col21")});
  printer.printLine({text("WWWWWWWWWW"), column(3), text("Past")});
  printer.printLine({text("s("), number(12), text(")=")});
  printer.printLine({text("王家大院"), column(10), text("Col10")});  // 8 columns before column 10
  printer.endDocument();

  const Page page;
  const QList<PdfWord> words = pdfWords(pdf("columns.pdf"));
  const auto first = [&](const char* text) {
    const auto found = wordsOf(words, QString::fromUtf8(text));
    return found.isEmpty() ? PdfWord{-1, {}, {}} : found.first();
  };
  const double left = page.paint().left() + 2000 * kPointsPerTwip;
  const double column = page.points(page.metrics(10).horizontalAdvance(QLatin1Char('0')));
  QCOMPARE_LT(std::abs(first("Title").box.left() - left), 0.5);
  QCOMPARE_LT(std::abs(first("Left").box.left() - left), 0.5);
  QCOMPARE_LT(std::abs(first("Col21").box.left() - (left + 20 * column)), 0.5);
  QCOMPARE_LT(std::abs(first("Past").box.left() - (first("WWWWWWWWWW").box.right() + column)), 0.5);
  QCOMPARE_LT(std::abs(first("王家大院").box.right() - (left + 8 * column)), 0.5);
  QCOMPARE_LT(std::abs(first("Col10").box.left() - (left + 9 * column)), 0.5);
  for (const char* part : {"s(", "12", ")="}) {  // a number item stands between two blanks
    QCOMPARE(wordsOf(words, QLatin1String(part)).size(), 1);
  }

  // The title's line starts 1000 twips below the top of the printable area (pdftotext puts a
  // word's top one ascent of its face above the baseline, as the layout does); each line stands
  // 1.2 times its size below the previous one.
  const double top = page.paint().top() + 1000 * kPointsPerTwip;
  QCOMPARE_LT(std::abs(first("Title").box.top() - top), 1.0);
  QCOMPARE_LT(std::abs(first("Left").box.top() - first("Title").box.top() - 1.2 * 12), 0.2);
  QCOMPARE_LT(std::abs(first("Col21").box.top() - first("Left").box.top() - 1.2 * 10), 0.2);
  QVERIFY(wordsOf(words, QStringLiteral("页")).isEmpty());  // one page: no foot
}

void ReportPrinterTest::newPageWhenTheNextLineWouldPassTheBottomMargin() {
  constexpr int kLines = 150;
  Printing printing(pdf("pages.pdf"));
  printLines(printing.printer, kLines);

  const Page page;
  const double margin = 1000 * kPointsPerTwip;
  const int perPage = static_cast<int>(std::floor((page.paint().height() - 2 * margin) / 12.0));
  const int pages = (kLines + perPage - 1) / perPage;
  QVERIFY(pages > 1);

  QList<PdfWord> lines;
  for (const auto& word : pdfWords(pdf("pages.pdf"))) {
    if (word.text.startsWith(QLatin1String("Line"))) lines.append(word);
  }
  QCOMPARE(lines.size(), kLines);
  for (int i = 0; i < kLines; ++i) {
    QCOMPARE(lines[i].text, QStringLiteral("Line%1").arg(i + 1));
    QCOMPARE(lines[i].page, i / perPage);
    QCOMPARE_LE(lines[i].box.bottom(), page.paint().bottom() - margin);
  }
  QCOMPARE_LT(std::abs(lines[perPage].box.top() - lines[0].box.top()), 0.1);

  // "第 k 页 共 N 页" at the foot of each page, below the bottom margin.
  const QStringList text = pdfLines(pdf("pages.pdf"));
  static const QRegularExpression foot(QStringLiteral("第\\s*(\\d+)\\s*页\\s*共\\s*(\\d+)\\s*页"));
  QStringList feet;
  for (const QString& line : text) {
    const auto match = foot.match(line);
    if (match.hasMatch()) feet.append(match.captured(1) + QLatin1Char('/') + match.captured(2));
  }
  QStringList expected;
  for (int k = 1; k <= pages; ++k) expected.append(QStringLiteral("%1/%2").arg(k).arg(pages));
  QCOMPARE(feet, expected);
  for (const auto& word : wordsOf(pdfWords(pdf("pages.pdf")), QStringLiteral("共"))) {
    QCOMPARE_GT(word.box.top(), page.paint().bottom() - margin);
  }
}

void ReportPrinterTest::deliveredToTheDefaultPrinterSilently() {
  Printing printing({});
  printLines(printing.printer, 3);
  QCOMPARE(printing.system.jobs.size(), 1);
  QFile job(pdf("job.pdf"));
  QVERIFY(job.open(QIODevice::WriteOnly));
  job.write(printing.system.jobs.first());
  job.close();
  QCOMPARE(pdfLines(pdf("job.pdf")).join(QLatin1Char(' ')).simplified(),
           QStringLiteral("Line1 Line2 Line3"));
  for (const QString& temporary : printing.files.temporaries) QVERIFY(!QFile::exists(temporary));
}

// Each failure names the printer or the file and gives the reason; the document is dropped, no
// temporary file is left, and nothing reaches the file or the printer.
void ReportPrinterTest::failures_data() {
  QTest::addColumn<QString>("target");  // a file's name, or empty for the default printer
  QTest::addColumn<std::function<void(Printing&)>>("fault");
  QTest::addColumn<QString>("message");  // with {temporary}, {file} and {folder}
  const auto full = QStringLiteral("No space left on device");
  QTest::newRow("temporary folder full")
      << QStringLiteral("a.pdf")
      << std::function<void(Printing&)>([=](Printing& p) { p.files.temporaryFailure = full; })
      << QStringLiteral("临时文件夹 {folder} 无法建立临时 PDF 文件：No space left on device。");
  QTest::newRow("disk full: empty PDF")
      << QString() << std::function<void(Printing&)>([](Printing& p) { p.files.cutAt = 0; })
      << QStringLiteral("PDF 文件 {temporary} 不完整：文件为 0 字节，磁盘或临时文件夹可能已满。");
  QTest::newRow("disk full: PDF cut short")
      << QString() << std::function<void(Printing&)>([](Printing& p) { p.files.cutAt = 1000; })
      << QStringLiteral(
             "PDF 文件 {temporary} 不完整：文件在 1000 字节处中断，缺少 PDF "
             "结尾，磁盘或临时文件夹可能已满。");
  QTest::newRow("file cannot be saved")
      << QStringLiteral("b.pdf")
      << std::function<void(Printing&)>([=](Printing& p) { p.files.moveFailure = full; })
      << QStringLiteral("PDF 文件 {file} 无法保存：No space left on device。");
  QTest::newRow("queue does not accept jobs")
      << QString() << std::function<void(Printing&)>([](Printing& p) {
           p.system.refusal = "Destination \"Stand-in\" is not accepting jobs.";
         })
      << QStringLiteral(
             "打印机 Stand-in 没有接受打印作业：Destination \"Stand-in\" is not accepting jobs。");
}

void ReportPrinterTest::failures() {
  QFETCH(QString, target);
  QFETCH(std::function<void(Printing&)>, fault);
  QFETCH(QString, message);
  const QString file = target.isEmpty() ? QString() : files_.filePath(target);
  Printing printing(file);
  fault(printing);
  const QString failure = failureOf([&] { printLines(printing.printer, 3); });
  const QString temporary = printing.files.temporaries.value(0);
  message.replace(QStringLiteral("{temporary}"), temporary)
      .replace(QStringLiteral("{file}"), file)
      .replace(QStringLiteral("{folder}"), printing.files.temporaryFolder());
  QCOMPARE(failure, message);
  QVERIFY(temporary.isEmpty() || !QFile::exists(temporary));
  QVERIFY(file.isEmpty() || !QFile::exists(file));
  QVERIFY(printing.system.jobs.isEmpty());

  // The next report starts anew: with the fault gone, it arrives.
  printing.files = StandInFiles();
  printing.system.refusal.clear();
  QCOMPARE(failureOf([&] { printLines(printing.printer, 3); }), QString());
  QVERIFY(file.isEmpty() ? printing.system.jobs.size() == 1 : QFile::exists(file));
}

void ReportPrinterTest::pdfFaults_data() {
  Printing printing(pdf("whole.pdf"));
  printLines(printing.printer, 3);
  QFile file(pdf("whole.pdf"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray whole = file.readAll();

  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<int>("pages");
  QTest::addColumn<QString>("fault");
  QTest::newRow("whole") << whole << 1 << QString();
  QTest::newRow("a page missing") << whole << 2 << QStringLiteral("文件只有 1 页，应为 2 页");
  QTest::newRow("no trailer") << whole.left(whole.lastIndexOf("trailer")) << 1
                              << QStringLiteral(
                                     "文件在 %1 字节处中断，缺少 PDF 结尾，"
                                     "磁盘或临时文件夹可能已满")
                                     .arg(whole.lastIndexOf("trailer"));
  QTest::newRow("not a PDF") << QByteArray("%%EOF") << 1
                             << QStringLiteral(
                                    "文件在 5 字节处中断，缺少 PDF 结尾，磁盘或临时文件夹可能已满");
  QTest::newRow("empty") << QByteArray() << 1
                         << QStringLiteral("文件为 0 字节，磁盘或临时文件夹可能已满");
}

void ReportPrinterTest::pdfFaults() {
  QFETCH(QByteArray, bytes);
  QFETCH(int, pages);
  QFETCH(QString, fault);
  QCOMPARE(QString::fromStdString(pdfFault(bytes, pages)), fault);
}

void ReportPrinterTest::emptyDocumentWritesNothing() {
  Printing printing(pdf("empty.pdf"));
  setUp(printing.printer, 12);
  printing.printer.endDocument();
  QVERIFY(!QFile::exists(pdf("empty.pdf")));
  QVERIFY(printing.files.temporaries.isEmpty());
}

QTEST_MAIN(ReportPrinterTest)
#include "report_printer_test.moc"
