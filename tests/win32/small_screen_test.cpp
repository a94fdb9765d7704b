// The window on a screen smaller than the layout (an Xvfb of 800 × 600): the frame opens inside
// the work area, the layout scrolls in it, and moving the focus to a control scrolls it into
// view. On a screen that holds the whole layout, the client area is the whole layout instead.
#include <cstdio>

#include "window_pilot.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

RECT screenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT clientOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool within(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

int main() {
  startWatchdog(120);
  win32::MainWindow window;
  window.show();
  PromptPilot pilot(window, {}, Answering::SetField);  // no prompt may open
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window.frame(), MONITOR_DEFAULTTONEAREST), &monitor);
  if (!within(screenRect(window.frame()), monitor.rcWork)) {
    pilot.fault("the window reaches past the work area");
  }
  RECT layout{};
  GetClientRect(window.layoutWindow(), &layout);
  const RECT client = clientOnScreen(window.frame());
  const bool scrolls =
      layout.right > client.right - client.left || layout.bottom > client.bottom - client.top;
  const LONG_PTR style = GetWindowLongPtrW(window.frame(), GWL_STYLE);
  if (scrolls != ((style & (WS_HSCROLL | WS_VSCROLL)) != 0)) {
    pilot.fault("scroll bars do not match a layout larger than the client area");
  }
  if (!scrolls) std::printf("the screen holds the whole layout: no scrolling to see\n");
  for (const HWND control :
       {window.button(layout::Command::Print), window.textBox(TextBox::Text1),
        window.textBox(TextBox::Text22), window.button(layout::Command::Calculate)}) {
    SetFocus(control);
    if (!within(screenRect(control), clientOnScreen(window.frame()))) {
      pilot.fault("the focused control " + std::to_string(GetDlgCtrlID(control)) +
                  " is not scrolled into view");
    }
  }
  DestroyWindow(window.frame());
  return report(pilot, "small_screen_test");
}
