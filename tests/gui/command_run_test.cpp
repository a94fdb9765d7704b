// Whole runs through the window's real dialogs: a Command1 run of a six-triangle network answered
// dialog by dialog, the text boxes it leaves, its report printed by Command3 into a PDF file and
// read back, and the runs that end early or cannot print.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialog_autopilot.h"
#include "pdf_text.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

const QString kData = QStringLiteral(KORVELIN_TEST_DATA);

QString dataFile(const char* name) {
  return kData + QLatin1Char('/') + QLatin1String(name);
}

// The fields of the transcript's events of one kind ("ask", "line", …), in order.
QStringList transcript(const QString& kind) {
  QFile file(dataFile("gui_n6.events"));
  QStringList fields;
  if (!file.open(QIODevice::ReadOnly)) return fields;
  for (const QString& event : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QStringList parts = event.split(QLatin1Char('\t'));
    if (parts.first() == kind) fields.append(parts.value(1));
  }
  return fields;
}

QStringList withoutBlanks(const QStringList& lines) {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  QStringList kept;
  for (QString line : lines) {
    line.remove(blanks);
    if (!line.isEmpty()) kept.append(line);
  }
  return kept;
}

QList<DialogStep> completeRun() {
  return readAnswers(dataFile("gui_n6.answers"));
}

// The run's data entry with side 1 entered 400 m too long: the misclosures are far beyond what
// a blunder-free network gives, and the calculation stops with a fault.
QList<DialogStep> grossBlunder() {
  QList<DialogStep> steps = completeRun().mid(0, 39);
  for (auto& step : steps) {
    if (step.text == QStringLiteral("1287.4004")) step.text = QStringLiteral("1687.4004");
  }
  return steps << message(QMessageBox::Critical);
}

struct Clicks {
  QStringList faults;
  qsizetype stepsLeft;
  QList<SeenDialog> seen;
};

// Clicks the button, answering the dialogs that open from the steps.
Clicks click(MainWindow& window, const char* button, QList<DialogStep> steps) {
  DialogAutopilot autopilot(std::move(steps));
  QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
  return {autopilot.faults(), autopilot.stepsLeft(), autopilot.seen()};
}

#define VERIFY_ALL_ANSWERED(clicks)                                                           \
  do {                                                                                        \
    QVERIFY2((clicks).faults.isEmpty(), qPrintable((clicks).faults.join(QLatin1Char('\n')))); \
    QCOMPARE((clicks).stepsLeft, 0);                                                          \
  } while (false)

}  // namespace

class CommandRunTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void promptsAskAsTheRunAsks();
  void finalTexts_data();
  void finalTexts();
  void reportPrintsIntoThePdfFile();

  void endedRuns_data();
  void endedRuns();
  void printBeforeAnyRun();
  void printerFailureIsReported();
  void withoutDefaultPrinter_data();
  void withoutDefaultPrinter();

 private:
  std::unique_ptr<MainWindow> openWindow(const QString& reportPdf);

  QTemporaryDir files_;
  std::unique_ptr<MainWindow> window_;
  Clicks run_;
};

std::unique_ptr<MainWindow> CommandRunTest::openWindow(const QString& reportPdf) {
  auto window = std::make_unique<MainWindow>(reportPdf);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
  return window;
}

void CommandRunTest::initTestCase() {
  prepareApplication();
  window_ = openWindow(files_.filePath(QStringLiteral("report.pdf")));
  QVERIFY(window_);
  run_ = click(*window_, "Command1", completeRun());
  VERIFY_ALL_ANSWERED(run_);
}

void CommandRunTest::promptsAskAsTheRunAsks() {
  QStringList texts;
  for (const auto& dialog : run_.seen) {
    QCOMPARE(dialog.className, QStringLiteral("QInputDialog"));
    QCOMPARE(dialog.title, QStringLiteral("Korvelin"));
    QCOMPARE(dialog.field, QString());
    texts.append(dialog.text);
  }
  QCOMPARE(texts, transcript(QStringLiteral("ask")));
}

void CommandRunTest::finalTexts_data() {
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("text");
  const std::pair<TextBox, const char*> rows[] = {
      {TextBox::Text1, " 4738.974"},
      {TextBox::Text2, " 4012.795"},
      {TextBox::Text3, " 5757.984"},
      {TextBox::Text4, " 4040.602"},
      {TextBox::Text5, " 6254.566"},
      {TextBox::Text6, " 2717.166"},
      {TextBox::Text7, "中心多边形有6个三角形"},
      {TextBox::Text8, "现在输入 S(11) 边长"},
      {TextBox::Text9, " s1286.0502"},
      {TextBox::Text10, "1.14秒"},
      {TextBox::Text11, "-0.89秒"},
      {TextBox::Text12, "0毫米"},
      {TextBox::Text13, " 2.05毫米"},
      {TextBox::Text14, " C"},
      {TextBox::Text15, " 6254.566"},
      {TextBox::Text16, " 2717.166"},
      {TextBox::Text17, "现在显示C点的座标"},
      {TextBox::Text18, " 0.9835"},
      {TextBox::Text19, " 2.03毫米"},
      {TextBox::Text20, " 2.1455"},
      {TextBox::Text21, " 3毫米"},
      {TextBox::Text22, " 3.62毫米"},
      {TextBox::Text23, " 2.2915"},
      {TextBox::Text24, " 3.1毫米"},
      {TextBox::Text25, " 1.59996"},
      {TextBox::Text26, " 2.59毫米"},
      {TextBox::Text27, " 4.04毫米"},
      {TextBox::Text28, " P2"},
      {TextBox::Text29, " P3"},
  };
  for (const auto& [box, text] : rows) {
    QTest::newRow(textBoxName(box).c_str()) << int(box) << QString::fromUtf8(text);
  }
}

// The boxes as the run left them; each shows the beginning of its text, also where the text is
// wider than the box (Text8).
void CommandRunTest::finalTexts() {
  QFETCH(int, box);
  QFETCH(QString, text);
  const QLineEdit* edit = window_->textBox(static_cast<TextBox>(box));
  QCOMPARE(edit->text(), text);
  QCOMPARE(edit->cursorPosition(), 0);
}

// Every line of the report, in order, as pdftotext reads it back. Blanks are left out of the
// comparison: in the PDF they are gaps, which pdftotext reads as it sees fit.
void CommandRunTest::reportPrintsIntoThePdfFile() {
  const QString pdf = files_.filePath(QStringLiteral("report.pdf"));
  QFile::remove(pdf);
  const Clicks print = click(*window_, "Command3", {});
  VERIFY_ALL_ANSWERED(print);
  const QStringList expected = withoutBlanks(transcript(QStringLiteral("line")));
  QCOMPARE(expected.size(), 3 * 6 + 39 - 13);
  QCOMPARE(withoutBlanks(pdfLines(pdf)), expected);
}

void CommandRunTest::endedRuns_data() {
  QTest::addColumn<QList<DialogStep>>("steps");
  QTest::addColumn<QString>("text10");
  QTest::newRow("fault") << grossBlunder() << QStringLiteral("-99657.63秒");
  // Cancel asks first; the second Cancel ends the run, which empties the results and says so.
  QTest::newRow("cancelled") << QList<DialogStep>{cancel(), cancel(),
                                                  message(QMessageBox::Information)}
                             << QString();
  QTest::newRow("unreadable, then cancelled")
      << QList<DialogStep>{answer(QStringLiteral("abc")), message(QMessageBox::Warning), cancel(),
                           cancel(), message(QMessageBox::Information)}
      << QString();
}

// The run ends, the window stays open with what the run wrote, and the next run is complete.
void CommandRunTest::endedRuns() {
  QFETCH(QList<DialogStep>, steps);
  QFETCH(QString, text10);
  const auto window = openWindow(files_.filePath(QStringLiteral("ended.pdf")));
  QVERIFY(window);
  const Clicks ended = click(*window, "Command1", steps);
  VERIFY_ALL_ANSWERED(ended);
  QVERIFY(window->isVisible());
  QCOMPARE(window->textBox(TextBox::Text10)->text(), text10);

  const Clicks again = click(*window, "Command1", completeRun());
  VERIFY_ALL_ANSWERED(again);
  QCOMPARE(window->textBox(TextBox::Text16)->text(), QStringLiteral(" 2717.166"));
}

void CommandRunTest::printBeforeAnyRun() {
  const QString pdf = files_.filePath(QStringLiteral("before.pdf"));
  const auto window = openWindow(pdf);
  QVERIFY(window);
  const Clicks print = click(*window, "Command3", {message(QMessageBox::Information)});
  VERIFY_ALL_ANSWERED(print);
  QCOMPARE(print.seen.first().text, QStringLiteral("尚无完整的计算结果，无法打印报告。"));
  QVERIFY(!QFile::exists(pdf));
}

void CommandRunTest::printerFailureIsReported() {
  const auto window = openWindow(files_.filePath(QStringLiteral("missing/report.pdf")));
  QVERIFY(window);
  VERIFY_ALL_ANSWERED(click(*window, "Command1", completeRun()));
  const Clicks print = click(*window, "Command3", {message(QMessageBox::Information)});
  VERIFY_ALL_ANSWERED(print);
  QVERIFY2(print.seen.first().text.startsWith(QStringLiteral("报告未能打印：")),
           qPrintable(print.seen.first().text));
}

void CommandRunTest::withoutDefaultPrinter_data() {
  QTest::addColumn<bool>("save");
  QTest::newRow("saved as a PDF file") << true;
  QTest::newRow("not saved") << false;
}

// On the default printer, where there is none: the window says so and offers a PDF file.
void CommandRunTest::withoutDefaultPrinter() {
  QFETCH(bool, save);
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
  const auto window = openWindow({});
  QVERIFY(window);
  VERIFY_ALL_ANSWERED(click(*window, "Command1", completeRun()));

  const QString pdf =
      files_.filePath(save ? QStringLiteral("saved.pdf") : QStringLiteral("no.pdf"));
  const QList<DialogStep> steps =
      save ? QList<DialogStep>{message(QMessageBox::Question, QMessageBox::Yes), saveAs(pdf)}
           : QList<DialogStep>{message(QMessageBox::Question, QMessageBox::No),
                               message(QMessageBox::Information)};
  const Clicks print = click(*window, "Command3", steps);
  VERIFY_ALL_ANSWERED(print);
  QVERIFY(print.seen.first().text.startsWith(QStringLiteral("没有默认打印机")));
  QCOMPARE(QFile::exists(pdf), save);
  if (save)
    QCOMPARE(withoutBlanks(pdfLines(pdf)), withoutBlanks(transcript(QStringLiteral("line"))));
}

QTEST_MAIN(CommandRunTest)
#include "command_run_test.moc"
