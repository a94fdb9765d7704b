#include <windows.h>

#include "win32/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  korvelin::win32::MainWindow window;
  window.show(show);
  return korvelin::win32::runMessageLoop(window);
}
