#include "app/commands.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"
#include "adjust/conditions.h"
#include "adjust/coordinates.h"
#include "adjust/known_points.h"
#include "adjust/normal_equations.h"
#include "adjust/precision.h"
#include "adjust/triangle_angles.h"
#include "adjust/weight_functions.h"
#include "entry/data_entry.h"
#include "output/number_format.h"
#include "output/report.h"
#include "output/result_display.h"

namespace korvelin {
namespace {

// Beyond a degree the sides do not fit the known points at all: a blunder, or the peripheral
// points entered against the clockwise order B, A, …, C.
constexpr float kGrossMisclosure = 3600;

void rejectGrossMisclosure(const PolygonJob& job) {
  if (std::abs(job.w[1]) <= kGrossMisclosure && std::abs(job.w[2]) <= kGrossMisclosure) return;
  throw RunFailure("闭合差过大：w(1) = " + general(job.w[1]) + " 秒，w(2) = " + general(job.w[2]) +
                   " 秒。边长与已知点不符（粗差，或外围点未按 B、A、…、C 顺时针输入）。计算中止。");
}

}  // namespace

void calculate(PolygonJob& job, RunTables& tables, ResultWindow& window) {
  resolveKnownPoints(job, tables);
  closeSideTable(job);
  resolveTriangles(job, tables);
  formMisclosures(job, tables);
  showMisclosures(window, job);
  rejectGrossMisclosure(job);
  formConditionColumns(job, tables);
  formWeightFunctions(job, tables);

  formNormalEquations(tables);
  for (int c = kFirstWeightFunction; c <= kLastWeightFunction; ++c) {
    solveWeightFunctionPass(job, tables, c);
    formReciprocalWeight(job, tables, c);
  }
  solveCorrelates(job, tables);
  showReciprocalWeights(window, job);
  correctSides(job, tables);
  evaluateErrors(job, tables);
  showErrors(window, job);

  computeCoordinates(job, tables);
}

RunOutcome Commands::command1() {
  try {
    RunTables tables = startRun();
    enterData(prompt_, window_, job_, tables);
    calculate(job_, tables, window_);
    showCoordinates(prompt_, window_, job_);
  } catch (const RunCancelled&) {
    return RunOutcome::Cancelled;
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
