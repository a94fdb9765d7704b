// Whole runs through the window's real dialogs: a Command1 run of a six-triangle network answered
// dialog by dialog, where its prompts open, the text boxes it leaves, its report printed by
// Command3 into a PDF file and read back, a run with Chinese point names, and the runs that end
// early or cannot print.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialog_autopilot.h"
#include "pdf_text.h"
#include "print_stand_ins.h"
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

// The run's point names and the Chinese names typed in their place: a name of four characters,
// which its box Text29 cuts, among them.
const std::pair<const char*, const char*> kChineseNames[] = {
    {"A", "张庄"}, {"O", "中心"}, {"P2", "李村"}, {"P3", "王家大院"}, {"P4", "赵岗"}, {"C", "刘庄"},
};

QList<DialogStep> runWithChineseNames() {
  QList<DialogStep> steps = completeRun();
  for (auto& step : steps) {
    for (const auto& [latin, chinese] : kChineseNames) {
      if (step.text == QLatin1String(latin)) step.text = QString::fromUtf8(chinese);
    }
  }
  return steps;
}

// The report lines of the transcript with the Chinese names: each name heads its row of the
// coordinate table and follows "待定点".
QStringList reportWithChineseNames() {
  QStringList lines = withoutBlanks(transcript(QStringLiteral("line")));
  for (QString& line : lines) {
    for (const auto& [latin, chinese] : kChineseNames) {
      const QString name = QString::fromUtf8(chinese);
      const QRegularExpression row(QStringLiteral("^%1(?=x\\()").arg(QLatin1String(latin)));
      line.replace(row, name);
      if (line == QStringLiteral("待定点") + QLatin1String(latin))
        line = QStringLiteral("待定点") + name;
    }
  }
  return lines;
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
  void printsSilentlyOnTheDefaultPrinter();
  void queueThatRefusesJobsIsNamed();
  void withoutDefaultPrinter_data();
  void withoutDefaultPrinter();
  void runWithChineseNamesTypedIn();

 private:
  std::unique_ptr<MainWindow> openWindow(const QString& reportPdf, PrintServices services = {});

  QTemporaryDir files_;
  std::unique_ptr<MainWindow> window_;
  Clicks run_;
};

std::unique_ptr<MainWindow> CommandRunTest::openWindow(const QString& reportPdf,
                                                       PrintServices services) {
  auto window = std::make_unique<MainWindow>(reportPdf, services);
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

// Every prompt opens with Qt's buttons in Chinese, on the screen, over none of the echo boxes
// that the user checks while it is open.
void CommandRunTest::promptsAskAsTheRunAsks() {
  const QRect screen = window_->screen()->availableGeometry();
  QStringList texts;
  for (const auto& dialog : run_.seen) {
    QCOMPARE(dialog.className, QStringLiteral("QInputDialog"));
    QCOMPARE(dialog.title, QStringLiteral("Korvelin"));
    QCOMPARE(dialog.field, QString());
    QCOMPARE(dialog.buttons, (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}));
    QVERIFY(screen.contains(dialog.frame));
    for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4,
                              TextBox::Text5, TextBox::Text6, TextBox::Text7, TextBox::Text8,
                              TextBox::Text9, TextBox::Text14, TextBox::Text17}) {
      const QLineEdit* edit = window_->textBox(box);
      const QRect echo(edit->mapToGlobal(QPoint(0, 0)), edit->size());
      QVERIFY2(!dialog.frame.intersects(echo), textBoxName(box).c_str());
    }
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
  QVERIFY2(print.seen.first().text.startsWith(
               QStringLiteral("报告未能打印：PDF 文件 %1 无法保存：")
                   .arg(files_.filePath(QStringLiteral("missing/report.pdf")))),
           qPrintable(print.seen.first().text));
}

void CommandRunTest::printsSilentlyOnTheDefaultPrinter() {
  StandInPrintSystem system;
  StandInFiles files;
  const auto window = openWindow({}, {&system, &files});
  QVERIFY(window);
  VERIFY_ALL_ANSWERED(click(*window, "Command1", completeRun()));
  const Clicks print = click(*window, "Command3", {});
  VERIFY_ALL_ANSWERED(print);
  QVERIFY(print.seen.isEmpty());
  QCOMPARE(system.jobs.size(), 1);
  QVERIFY(system.jobs.first().startsWith("%PDF-"));
}

void CommandRunTest::queueThatRefusesJobsIsNamed() {
  StandInPrintSystem system;
  system.destination.name = "Office";
  system.refusal = "Destination \"Office\" is not accepting jobs.";
  StandInFiles files;
  const auto window = openWindow({}, {&system, &files});
  QVERIFY(window);
  VERIFY_ALL_ANSWERED(click(*window, "Command1", completeRun()));
  const Clicks print = click(*window, "Command3", {message(QMessageBox::Information)});
  VERIFY_ALL_ANSWERED(print);
  QCOMPARE(print.seen.first().text,
           QStringLiteral("报告未能打印：打印机 Office 没有接受打印作业：Destination \"Office\" is "
                          "not accepting jobs。"));
}

void CommandRunTest::withoutDefaultPrinter_data() {
  using Destination = PrintSystem::DefaultDestination;
  QTest::addColumn<int>("status");
  QTest::addColumn<bool>("save");
  QTest::addColumn<QString>("situation");
  const QString none = QStringLiteral("没有默认打印机。");
  const QString down =
      QStringLiteral("无法连接打印服务器 /run/cups/cups.sock：Connection refused。");
  QTest::newRow("no default: saved as a PDF file") << int(Destination::None) << true << none;
  QTest::newRow("no default: not saved") << int(Destination::None) << false << none;
  QTest::newRow("server down: saved as a PDF file")
      << int(Destination::Unreachable) << true << down;
  QTest::newRow("server down: not saved") << int(Destination::Unreachable) << false << down;
}

// On the default printer, where there is none or the server is down: the window says which and
// offers a PDF file, with Qt's buttons in Chinese.
void CommandRunTest::withoutDefaultPrinter() {
  QFETCH(int, status);
  QFETCH(bool, save);
  QFETCH(QString, situation);
  StandInPrintSystem system;
  system.destination = {static_cast<PrintSystem::DefaultDestination::Status>(status),
                        {},
                        "/run/cups/cups.sock",
                        "Connection refused"};
  StandInFiles files;
  const auto window = openWindow({}, {&system, &files});
  QVERIFY(window);
  VERIFY_ALL_ANSWERED(click(*window, "Command1", completeRun()));

  const QString pdf = files_.filePath(QStringLiteral("%1 %2.pdf").arg(status).arg(save));
  const QList<DialogStep> steps =
      save ? QList<DialogStep>{message(QMessageBox::Question, QMessageBox::Yes), saveAs(pdf)}
           : QList<DialogStep>{message(QMessageBox::Question, QMessageBox::No),
                               message(QMessageBox::Information)};
  const Clicks print = click(*window, "Command3", steps);
  VERIFY_ALL_ANSWERED(print);
  QCOMPARE(print.seen.first().text, situation + QStringLiteral("要把报告保存为 PDF 文件吗？"));
  QVERIFY(print.seen.first().buttons.contains(QStringLiteral("是(&Y)")) ||
          print.seen.first().buttons.contains(QStringLiteral("是")));
  QCOMPARE(QFile::exists(pdf), save);
  QVERIFY(system.jobs.isEmpty());
  if (save) {
    QCOMPARE(withoutBlanks(pdfLines(pdf)), withoutBlanks(transcript(QStringLiteral("line"))));
  } else {
    QCOMPARE(print.seen.last().text, QStringLiteral("报告未能打印：") + situation);
  }
}

// Chinese names typed as an input method commits them: echoed, evaluated, shown, and printed.
void CommandRunTest::runWithChineseNamesTypedIn() {
  const QString pdf = files_.filePath(QStringLiteral("chinese.pdf"));
  const auto window = openWindow(pdf);
  QVERIFY(window);
  VERIFY_ALL_ANSWERED(click(*window, "Command1", runWithChineseNames()));
  const std::pair<TextBox, const char*> boxes[] = {
      {TextBox::Text14, " 刘庄"},
      {TextBox::Text15, " 6254.566"},
      {TextBox::Text17, "现在显示刘庄点的座标"},
      {TextBox::Text28, " 李村"},
      {TextBox::Text29, " 王家大院"},
      {TextBox::Text18, " 0.9835"},
  };
  for (const auto& [box, text] : boxes) {
    QCOMPARE(window->textBox(box)->text(), QString::fromUtf8(text));
  }
  QCOMPARE(window->textBox(TextBox::Text29)->toolTip(), QStringLiteral(" 王家大院"));

  VERIFY_ALL_ANSWERED(click(*window, "Command3", {}));
  QCOMPARE(withoutBlanks(pdfLines(pdf)), reportWithChineseNames());
}

QTEST_MAIN(CommandRunTest)
#include "command_run_test.moc"
