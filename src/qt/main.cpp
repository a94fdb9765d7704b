#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  korvelin::prepareApplication();
  korvelin::MainWindow window;
  window.show();
  return app.exec();
}
