#include <QApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <ctime>

#include "app/main_window.h"

namespace {

// With KORVELIN_FIRST_PAINT set, the program writes the CLOCK_MONOTONIC time of the window's
// first paint event to standard error, in nanoseconds, and ends: scripts/first-paint takes the
// time from the process start to the first paint from it.
class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
    QCoreApplication::exit(0);
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  korvelin::prepareApplication();
  korvelin::MainWindow window;
  FirstPaint firstPaint;
  if (qEnvironmentVariableIsSet("KORVELIN_FIRST_PAINT")) window.installEventFilter(&firstPaint);
  window.show();
  return app.exec();
}
