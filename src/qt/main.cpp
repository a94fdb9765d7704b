#include <QApplication>

#include "qt/first_paint.h"
#include "qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  korvelin::prepareApplication();
  korvelin::MainWindow window;
  korvelin::FirstPaint firstPaint;
  if (qEnvironmentVariableIsSet("KORVELIN_FIRST_PAINT")) window.installEventFilter(&firstPaint);
  window.show();
  return app.exec();
}
