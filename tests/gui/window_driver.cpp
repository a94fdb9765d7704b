// korvelin-window-driver ANSWERS PNG [print | REPORT.pdf]: opens the main window, clicks
// Command1, answers every dialog of the run from the answer script (one answer per line, as for
// korvelin-replay) and saves a picture of the client area at the end of the run. With "print",
// then clicks Command3, which prints the report on the system's default printer; with a file
// name, Command3 prints the report into that PDF file. Each message that the printing shows is
// written to standard output as "message: TEXT". Exits 1 when a dialog of the run did not match
// the script, 3 when printing showed a message.
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
  if (arguments.size() != 3 && arguments.size() != 4) {
    std::fprintf(stderr, "usage: korvelin-window-driver ANSWERS PNG [print | REPORT.pdf]\n");
    return 2;
  }
  const bool print = arguments.size() == 4;
  const bool onPrinter = print && arguments[3] == QStringLiteral("print");
  korvelin::prepareApplication();
  const QTemporaryDir reports;
  korvelin::MainWindow window(onPrinter ? QString()
                              : print   ? arguments[3]
                                        : reports.filePath(QStringLiteral("report.pdf")));
  window.show();

  // Answers the run's dialogs; false when one did not match the script.
  const auto calculate = [&] {
    DialogAutopilot run(korvelin::testing::readAnswers(arguments[1]));
    window.clientArea()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    for (const QString& fault : run.faults()) std::fprintf(stderr, "%s\n", qPrintable(fault));
    return run.faults().isEmpty() && run.stepsLeft() == 0;
  };
  // Answers the messages of printing; false when there was one.
  const auto printReport = [&] {
    DialogAutopilot printing({korvelin::testing::message(QMessageBox::Information)});
    window.clientArea()->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    for (const auto& seen : printing.seen()) std::printf("message: %s\n", qPrintable(seen.text));
    std::fflush(stdout);
    return printing.seen().isEmpty();
  };
  QTimer::singleShot(0, &window, [&] {
    const bool answered = calculate();
    const bool saved = window.clientArea()->grab().save(arguments[2]);
    if (!answered || !saved) return QApplication::exit(1);
    QApplication::exit(!print || printReport() ? 0 : 3);
  });
  return app.exec();
}
