#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <ctime>

namespace korvelin {

// With KORVELIN_FIRST_PAINT set, a program writes the CLOCK_MONOTONIC time of its window's first
// paint event to standard error, in nanoseconds, and ends: scripts/first-paint takes the time
// from the process start to the first paint from it.
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

}  // namespace korvelin
