// Command2 and the close box end the program at once: the message loop returns as soon as
// either is used, in the middle of nothing, with the window gone.
#include <cstdio>
#include <string>

#include "window_pilot.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

// Runs the window's loop after posting the message; a fault unless the loop returns and the
// window is gone. The watchdog catches a loop that never returns.
void endsWith(PromptPilot& pilot, win32::MainWindow& window, const std::string& what,
              void (*post)(const win32::MainWindow&)) {
  activate(window.frame());
  post(window);
  win32::runMessageLoop(window);
  if (window.frame() || IsWindow(window.layoutWindow())) pilot.fault(what + " left the window");
}

}  // namespace

int main() {
  startWatchdog(60);
  int faults = 0;
  {
    win32::MainWindow window;
    window.show();
    PromptPilot pilot(window, {}, Answering::SetField);  // no dialog may open
    endsWith(pilot, window, "Command2", [](const win32::MainWindow& w) {
      PostMessageW(w.button(layout::Command::End), BM_CLICK, 0, 0);
    });
    faults += report(pilot, "end_program_test Command2");
  }
  {
    win32::MainWindow window;
    window.show();
    PromptPilot pilot(window, {}, Answering::SetField);
    endsWith(pilot, window, "the close box", [](const win32::MainWindow& w) {
      PostMessageW(w.frame(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    faults += report(pilot, "end_program_test close box");
  }
  return faults;
}
