// korvelin-manual-pictures ANSWERS PROMPT_STEP FOLDER: takes the pictures of the manual. It
// opens the main window, clicks Command1 and answers every prompt of the run from the answer
// script, as a user types; at prompt number PROMPT_STEP (from 1) it types the answer and, before
// pressing Enter, saves the screen around the window and the open prompt as prompt.png. At the
// end of the run it saves the window as window.png and its diagram as diagram.png, then clicks
// Command3, which prints the report into FOLDER/report.pdf. Run it on a real display (Xvfb): the
// offscreen platform has no screen to grab. Exits 1 when the run did not go as the script says.
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "dialog_autopilot.h"
#include "qt/main_window.h"

namespace {

// The diagram of the network in the window's upper right, with its point and side labels:
// twips 9000 … 13200 across and 1800 … 4875 down, at 15 twips to the pixel.
constexpr QRect kDiagram(600, 120, 280, 205);

// The screen around the window and every dialog over it, as the user sees them.
bool saveScreenAround(const QWidget& window, const QString& path) {
  QRect area = window.frameGeometry();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible()) area |= top->frameGeometry();
  }
  const QPixmap shot =
      window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  return shot.save(path);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  bool stepRead = false;
  const int promptStep = arguments.size() == 4 ? arguments[2].toInt(&stepRead) : 0;
  if (!stepRead || promptStep < 1) {
    std::fprintf(stderr, "usage: korvelin-manual-pictures ANSWERS PROMPT_STEP FOLDER\n");
    return 2;
  }
  const QDir folder(arguments[3]);
  korvelin::prepareApplication();
  korvelin::MainWindow window(folder.filePath(QStringLiteral("report.pdf")));
  window.move(0, 0);
  window.show();

  QList<korvelin::testing::DialogStep> steps = korvelin::testing::readAnswers(arguments[1]);
  int answered = 0;
  bool fault = false;
  bool promptSaved = false;
  QTimer typist;
  QObject::connect(&typist, &QTimer::timeout, [&] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!modal || !modal->isVisible()) return;
    // A message, or a prompt after the script's last answer: the run did not go as scripted.
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    auto* field = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
    if (answered == steps.size() || !field) {
      fault = true;
      modal->reject();
      return;
    }
    const auto& step = steps[answered++];
    if (step.kind == korvelin::testing::DialogStep::Cancel) {
      QTest::keyClick(field, Qt::Key_Escape);
      return;
    }
    QTest::keyClicks(field, step.text);
    if (answered == promptStep) {
      QTest::qWait(300);  // the prompt and the window behind it painted
      promptSaved = saveScreenAround(window, folder.filePath(QStringLiteral("prompt.png")));
    }
    QTest::keyClick(field, Qt::Key_Return);
  });
  typist.start(5);

  QTimer::singleShot(0, &window, [&] {
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    const bool windowSaved =
        window.grab().save(folder.filePath(QStringLiteral("window.png"))) &&
        window.grab(kDiagram).save(folder.filePath(QStringLiteral("diagram.png")));
    window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    typist.stop();
    const bool complete = !fault && answered == steps.size();
    if (!complete) std::fprintf(stderr, "the run did not follow %s\n", qPrintable(arguments[1]));
    QApplication::exit(complete && promptSaved && windowSaved ? 0 : 1);
  });
  return app.exec();
}
