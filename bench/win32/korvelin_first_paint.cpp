// korvelin.exe's window, up to the end of the first paint of its layout, and no further.
#include "first_paint.h"
#include "win32/main_window.h"

namespace {

WNDPROC layoutProc = nullptr;

LRESULT CALLBACK firstPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(layoutProc, window, message, wParam, lParam);
  if (message == WM_PAINT) {
    reportFirstPaint();
    PostQuitMessage(0);
  }
  return result;
}

}  // namespace

int main() {
  korvelin::win32::MainWindow window;
  layoutProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      window.layoutWindow(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&firstPaint)));
  window.show();
  return korvelin::win32::runMessageLoop(window);
}
