// The bare Qt window that the start-up of korvelin is measured against: one empty QWidget of the
// same client size, built with the same flags, with the same first-paint hook.
#include <QApplication>
#include <QWidget>

#include "qt/first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(880, 681);
  korvelin::FirstPaint firstPaint;
  if (qEnvironmentVariableIsSet("KORVELIN_FIRST_PAINT")) window.installEventFilter(&firstPaint);
  window.show();
  return app.exec();
}
