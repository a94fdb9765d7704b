#include "app/commands.h"

#include "app/fault_message.h"
#include "app/run_phases.h"
#include "entry/data_entry.h"
#include "output/report.h"
#include "output/result_display.h"
#include "record/run_errors.h"

#include <set>

namespace korvelin {
namespace {

constexpr const char* kRunCancelled = "本次计算已中止，输入的数据未保留。";

// The window as one run writes it, remembering which boxes the run has written.
class RunWindow : public ResultWindow {
 public:
  explicit RunWindow(ResultWindow& window) : window_(window) {}
  void setText(TextBox box, const std::string& text) override {
    written_.insert(box);
    window_.setText(box, text);
  }
  void showMessage(MessageKind kind, const std::string& text) override {
    window_.showMessage(kind, text);
  }

  // A run that did not complete: the result boxes it has not written are emptied, so that no
  // result of an earlier run stands beside its own; then its message.
  void endIncomplete(MessageKind kind, const std::string& message) {
    for (const TextBox box : kResultBoxes) {
      if (!written_.contains(box)) window_.setText(box, "");
    }
    window_.showMessage(kind, message);
  }

 private:
  ResultWindow& window_;
  std::set<TextBox> written_;
};

}  // namespace

RunOutcome Commands::command1() {
  RunWindow window(window_);
  try {
    RunTables tables = startRun();
    enterData(prompt_, window, job_, tables);
    calculate(job_, tables, window);
    showCoordinates(prompt_, window, job_);
  } catch (const RunCancelled&) {
    window.endIncomplete(MessageKind::Notice, kRunCancelled);
    return RunOutcome::Cancelled;
  } catch (const ArithmeticFault& fault) {
    window.endIncomplete(MessageKind::Fault, faultMessage(fault));
    return RunOutcome::Failed;
  } catch (const RunFailure& failure) {
    window.endIncomplete(MessageKind::Fault, failure.what());
    return RunOutcome::Failed;
  }
  lastComplete_ = job_;
  return RunOutcome::Complete;
}

void Commands::command3() {
  if (!lastComplete_) {
    window_.showMessage(MessageKind::Notice, "尚无完整的计算结果，无法打印报告。");
    return;
  }
  try {
    printReport(*lastComplete_, printer_);
  } catch (const PrinterFailure& failure) {
    window_.showMessage(MessageKind::Notice, std::string("报告未能打印：") + failure.what());
  }
}

}  // namespace korvelin
