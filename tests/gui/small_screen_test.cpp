// The window on a screen smaller than its layout (run at QT_SCALE_FACTOR=2 on 1600 × 1200, and
// on 640 × 480): it opens at the free area of the screen, the client area scrolls inside it in
// both directions, the focused control scrolls into view, and a prompt opens on the screen.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_autopilot.h"
#include "qt/main_window.h"

using namespace korvelin;
using namespace korvelin::testing;

class SmallScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void opensAtTheFreeAreaAndScrolls();
  void focusScrollsIntoView_data();
  void focusScrollsIntoView();
  void promptOpensOnTheScreen();

 private:
  QTemporaryDir reports_;
  std::unique_ptr<MainWindow> window_;
};

void SmallScreenTest::initTestCase() {
  prepareApplication();
  window_ = std::make_unique<MainWindow>(reports_.filePath(QStringLiteral("report.pdf")));
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void SmallScreenTest::opensAtTheFreeAreaAndScrolls() {
  const QRect screen = window_->screen()->availableGeometry();
  const QSize client = window_->clientArea()->size();
  QVERIFY2(screen.width() < client.width() && screen.height() < client.height(),
           "run on a screen smaller than the layout");
  QVERIFY(screen.contains(window_->frameGeometry()));
  QCOMPARE_GE(window_->frameGeometry().width(), screen.width() - 2);
  QCOMPARE_GE(window_->frameGeometry().height(), screen.height() - 2);
  QVERIFY(window_->horizontalScrollBar()->isVisible());
  QVERIFY(window_->verticalScrollBar()->isVisible());
}

void SmallScreenTest::focusScrollsIntoView_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("key");  // 0: focus set directly
  QTest::newRow("Command3, by a click's focus") << QStringLiteral("Command3") << 0;
  QTest::newRow("Text1, by Tab from Command3") << QStringLiteral("Text1") << int(Qt::Key_Tab);
  QTest::newRow("Command1, directly") << QStringLiteral("Command1") << 0;
  QTest::newRow("Text28, by Tab from Text27") << QStringLiteral("Text28") << int(Qt::Key_Tab);
}

void SmallScreenTest::focusScrollsIntoView() {
  QFETCH(QString, control);
  QFETCH(int, key);
  auto* target = window_->clientArea()->findChild<QWidget*>(control);
  QVERIFY(target);
  if (key) {
    const QString before =
        control == QLatin1String("Text1") ? QStringLiteral("Command3") : QStringLiteral("Text27");
    window_->clientArea()->findChild<QWidget*>(before)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  } else {
    target->setFocus();
  }
  QCOMPARE(QApplication::focusWidget(), target);
  const QRect shown(target->mapTo(window_->viewport(), QPoint(0, 0)), target->size());
  QVERIFY2(window_->viewport()->rect().contains(shown), qPrintable(control));
}

void SmallScreenTest::promptOpensOnTheScreen() {
  // n's prompt, then the question whether to end the run, both cancelled, then the notice.
  DialogAutopilot autopilot({cancel(), cancel(), message(QMessageBox::Information)});
  QTest::mouseClick(window_->clientArea()->findChild<QPushButton*>(QStringLiteral("Command1")),
                    Qt::LeftButton);
  QVERIFY(autopilot.faults().isEmpty());
  QCOMPARE(autopilot.seen().size(), 3);
  for (int i = 0; i < 2; ++i) {
    QVERIFY(window_->screen()->availableGeometry().contains(autopilot.seen()[i].frame));
  }
}

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
