// Command2 and the window's close button end the program: its event loop returns at once, with
// no question asked. Each case runs the application's own event loop, guarded against a hang.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialog_autopilot.h"
#include "qt/main_window.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

constexpr int kHangMilliseconds = 20000;

struct Ending {
  int exitCode;
  bool hung;
  QStringList faults;
};

// Runs the event loop until the program ends; `end` acts once the loop runs.
Ending runUntilEnd(const std::function<void()>& end) {
  DialogAutopilot autopilot({});  // any dialog is a question nobody expected
  bool hung = false;
  QTimer::singleShot(0, end);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    hung = true;
    QCoreApplication::exit(99);
  });
  guard.start(kHangMilliseconds);
  const int exitCode = QCoreApplication::exec();
  return {exitCode, hung, autopilot.faults()};
}

}  // namespace

class EndProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  void command2EndsTheProgram_data();
  void command2EndsTheProgram();
  void closingTheWindowEndsTheProgram();

 private:
  QTemporaryDir reports_;
};

void EndProgramTest::command2EndsTheProgram_data() {
  QTest::addColumn<bool>("otherWindowOpen");
  QTest::newRow("the only window") << false;
  // Closing alone would leave the program running while another top-level window is open.
  QTest::newRow("another window open") << true;
}

void EndProgramTest::command2EndsTheProgram() {
  QFETCH(bool, otherWindowOpen);
  MainWindow window(reports_.filePath(QStringLiteral("report.pdf")));
  window.show();
  QWidget other;
  if (otherWindowOpen) other.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  const Ending ending =
      runUntilEnd([&] { window.findChild<QPushButton*>(QStringLiteral("Command2"))->click(); });
  QVERIFY(!ending.hung);
  QCOMPARE(ending.exitCode, 0);
  QVERIFY(ending.faults.isEmpty());
  QVERIFY(!window.isVisible());
}

void EndProgramTest::closingTheWindowEndsTheProgram() {
  MainWindow window(reports_.filePath(QStringLiteral("report.pdf")));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  const Ending ending = runUntilEnd([&] { window.close(); });
  QVERIFY(!ending.hung);
  QCOMPARE(ending.exitCode, 0);
  QVERIFY(ending.faults.isEmpty());
}

QTEST_MAIN(EndProgramTest)
#include "end_program_test.moc"
