// A whole run in the window, in this process: Command1 clicked, each prompt answered as it opens
// from tests/data/gui_n6.answers by setting its field and clicking OK; at the end the prompts
// seen and the 29 text boxes must be those of the run's transcript.
#include "window_pilot.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

bool clicked = false;
bool checked = false;

void drive(PromptPilot& pilot) {
  if (!clicked) {
    clicked = true;
    PostMessageW(pilot.window().button(layout::Command::Calculate), BM_CLICK, 0, 0);
  } else if (pilot.answeredAll() && !checked) {
    checked = true;
    compareWithTranscript(pilot, readTranscript(KORVELIN_TEST_DATA "/gui_n6.events"));
    DestroyWindow(pilot.window().frame());
  }
}

}  // namespace

int main() {
  startWatchdog(300);
  win32::MainWindow window;
  window.show();
  PromptPilot pilot(window, readAnswers(KORVELIN_TEST_DATA "/gui_n6.answers"), Answering::SetField);
  pilot.whenIdle(drive);
  win32::runMessageLoop(window);
  if (!checked) pilot.fault("the run did not come to its end");
  return report(pilot, "window_run_test");
}
