// korvelin-window-driver ANSWERS PNG [print]: opens the main window, clicks Command1, answers
// every dialog of the run from the answer script (one answer per line, as for korvelin-replay)
// and saves a picture of the window at the end of the run; with "print", then clicks Command3,
// which prints the report on the system's default printer, and writes each message that the
// printing shows to standard output as "message: TEXT". Exits 1 when a dialog of the run did not
// match the script, 3 when printing showed a message.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "dialog_autopilot.h"
#include "qt/main_window.h"

using korvelin::testing::DialogAutopilot;

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

  QTimer::singleShot(0, &window, [&] {
    DialogAutopilot run(korvelin::testing::readAnswers(arguments[1]));
    window.clientArea()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    for (const QString& fault : run.faults()) std::fprintf(stderr, "%s\n", qPrintable(fault));
    const bool saved = window.clientArea()->grab().save(arguments[2]);
    if (!run.faults().isEmpty() || run.stepsLeft() != 0 || !saved) return QApplication::exit(1);
    if (!print) return QApplication::exit(0);

    DialogAutopilot printing({korvelin::testing::message(QMessageBox::Information)});
    window.clientArea()->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    for (const auto& seen : printing.seen()) std::printf("message: %s\n", qPrintable(seen.text));
    std::fflush(stdout);
    QApplication::exit(printing.seen().isEmpty() ? 0 : 3);
  });
  return app.exec();
}
