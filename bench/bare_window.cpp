// The bare Qt window that the start-up of korvelin is measured against: one empty QWidget of the
// same client size, built with the same flags and linked with the same first-paint hook
// (first_paint.cpp).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(880, 681);
  window.show();
  return app.exec();
}
