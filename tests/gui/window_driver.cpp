// korvelin-window-driver ANSWERS PNG [print]: opens the main window, clicks Command1, answers
// every dialog of the run from the answer script (one answer per line, as for korvelin-replay)
// and saves a picture of the window at the end of the run; with "print", then clicks Command3,
// which prints the report on the system's default printer. Exits 1 when a dialog did not match
// the script.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "dialog_autopilot.h"
#include "qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const bool print = arguments.size() == 4 && arguments[3] == QStringLiteral("print");
  if (arguments.size() != 3 && !print) {
    std::fprintf(stderr, "usage: korvelin-window-driver ANSWERS PNG [print]\n");
    return 2;
  }
  korvelin::prepareApplication();
  const QTemporaryDir reports;
  korvelin::MainWindow window(print ? QString() : reports.filePath(QStringLiteral("report.pdf")));
  window.show();

  korvelin::testing::DialogAutopilot autopilot(korvelin::testing::readAnswers(arguments[1]));
  QTimer::singleShot(0, &window, [&] {
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    for (const QString& fault : autopilot.faults()) std::fprintf(stderr, "%s\n", qPrintable(fault));
    const bool saved = window.grab().save(arguments[2]);
    if (print) window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    QApplication::exit(autopilot.faults().isEmpty() && autopilot.stepsLeft() == 0 && saved ? 0 : 1);
  });
  return app.exec();
}
