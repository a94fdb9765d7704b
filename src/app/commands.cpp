#include "app/commands.h"

#include "app/fault_message.h"
#include "app/run_phases.h"
#include "entry/data_entry.h"
#include "output/report.h"
#include "output/result_display.h"
#include "record/run_errors.h"

namespace korvelin {

RunOutcome Commands::command1() {
  try {
    RunTables tables = startRun();
    enterData(prompt_, window_, job_, tables);
    calculate(job_, tables, window_);
    showCoordinates(prompt_, window_, job_);
  } catch (const RunCancelled&) {
    return RunOutcome::Cancelled;
  } catch (const ArithmeticFault& fault) {
    window_.showMessage(MessageKind::Fault, faultMessage(fault));
    return RunOutcome::Failed;
  } catch (const RunFailure& failure) {
    window_.showMessage(MessageKind::Fault, failure.what());
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
