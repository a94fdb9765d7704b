// Linked into a bench-only copy of a program, beside its unchanged main(): when the program's
// QApplication is created, a filter is installed on it that, at the first paint event of any
// widget, writes the CLOCK_MONOTONIC time in nanoseconds to standard error as
// "first-paint <ns>" and ends the program. scripts/first-paint takes the time from the process
// start to that paint. The shipped program carries no such hook.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (painted_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    painted_ = true;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
    QCoreApplication::exit(0);
    return false;
  }

 private:
  bool painted_ = false;
};

void watchFirstPaint() {
  auto* filter = new FirstPaint;
  filter->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
