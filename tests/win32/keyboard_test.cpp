// The window driven by keys alone, in this process: the focus starts on Text1, Enter there starts
// nothing, each Tab goes to the next control by tab index and 29 of them reach Command1, Enter on
// Command1 starts a run whose every prompt is answered by typing and Enter, and the focus is
// back on Command1 at its end.
#include <algorithm>

#include "window_pilot.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

std::vector<HWND> tabOrder;
int step = 0;
constexpr int kTabs = 29;
bool checked = false;

std::vector<HWND> controlsByTabIndex(const win32::MainWindow& window) {
  std::vector<std::pair<int, HWND>> stops;
  for (const auto& row : layout::textBoxes())
    stops.emplace_back(row.tabIndex, window.textBox(row.box));
  for (const auto& row : layout::buttons())
    stops.emplace_back(row.tabIndex, window.button(row.command));
  std::sort(stops.begin(), stops.end());
  std::vector<HWND> order;
  for (const auto& stop : stops) order.push_back(stop.second);
  return order;
}

void press(WPARAM key) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

void drive(PromptPilot& pilot) {
  const HWND command1 = pilot.window().button(layout::Command::Calculate);
  if (step == 0) {
    if (GetFocus() != tabOrder.front()) pilot.fault("the focus does not start on Text1");
    press(VK_RETURN);
  } else if (step <= 1 + kTabs) {
    if (step == 1 && !pilot.promptsSeen().empty()) pilot.fault("Enter in Text1 started a run");
    const auto tabs = static_cast<std::size_t>(step - 1);
    if (GetFocus() != tabOrder[tabs]) {
      pilot.fault(std::to_string(tabs) + " Tabs from Text1 miss the control of that place");
    }
    if (step <= kTabs) press(VK_TAB);
    if (step == 1 + kTabs) {
      if (GetFocus() != command1) pilot.fault("29 Tabs from Text1 do not reach Command1");
      press(VK_RETURN);
    }
  } else if (pilot.answeredAll() && !checked) {
    checked = true;
    compareWithTranscript(pilot, readTranscript(KORVELIN_TEST_DATA "/gui_n6.events"));
    if (GetFocus() != command1) pilot.fault("the focus is not back on Command1 after the run");
    DestroyWindow(pilot.window().frame());
  }
  ++step;
}

}  // namespace

int main() {
  startWatchdog(180);
  win32::MainWindow window;
  window.show();
  tabOrder = controlsByTabIndex(window);
  PromptPilot pilot(window, readAnswers(KORVELIN_TEST_DATA "/gui_n6.answers"), Answering::TypeKeys);
  pilot.whenIdle(drive);
  win32::runMessageLoop(window);
  if (!checked) pilot.fault("the run started by Enter did not come to its end");
  return report(pilot, "keyboard_test");
}
