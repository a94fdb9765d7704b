// A whole run in the window, in this process: Command1 clicked, each prompt answered as it opens
// from tests/data/gui_n6.answers by setting its field and clicking OK; at the end the prompts
// seen and the 29 text boxes must be those of the run's transcript, and a box that cuts its
// text has it as its tooltip.
#include "window_pilot.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

// A box that cuts its text shows it whole as its tooltip (Text8, "现在输入 S(11) 边长"); a box
// whose text fits has none (Text1).
void checkToolTips(PromptPilot& pilot) {
  const auto& window = pilot.window();
  if (window.toolTip(TextBox::Text8) != windowText(window.textBox(TextBox::Text8))) {
    pilot.fault("Text8 cuts its text but its tooltip is \"" + window.toolTip(TextBox::Text8) +
                "\"");
  }
  if (!window.toolTip(TextBox::Text1).empty()) pilot.fault("Text1 fits but has a tooltip");
}

bool clicked = false;
bool checked = false;

void drive(PromptPilot& pilot) {
  if (!clicked) {
    clicked = true;
    PostMessageW(pilot.window().button(layout::Command::Calculate), BM_CLICK, 0, 0);
  } else if (pilot.answeredAll() && !checked) {
    checked = true;
    compareWithTranscript(pilot, readTranscript(KORVELIN_TEST_DATA "/gui_n6.events"));
    checkToolTips(pilot);
    DestroyWindow(pilot.window().frame());
  }
}

}  // namespace

int main() {
  startWatchdog(180);
  win32::MainWindow window;
  window.show();
  PromptPilot pilot(window, readAnswers(KORVELIN_TEST_DATA "/gui_n6.answers"), Answering::SetField);
  pilot.whenIdle(drive);
  win32::runMessageLoop(window);
  if (!checked) pilot.fault("the run did not come to its end");
  return report(pilot, "window_run_test");
}
