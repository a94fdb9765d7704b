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
  throw RunFailure("闭合差过大：w(1) = " + general(job.w[1]) + " 秒，w(2) = " +
                   general(job.w[2]) +
                   " 秒。边长与已知点不符（粗差，或外围点未按 B、A、…、C 顺时针输入）。计算中止。");
}

}  // namespace

void Commands::calculate(RunTables& tables) {
  resolveKnownPoints(job_, tables);
  closeSideTable(job_);
  resolveTriangles(job_, tables);
  formMisclosures(job_, tables);
  showMisclosures(window_, job_);
  rejectGrossMisclosure(job_);
  formConditionColumns(job_, tables);
  formWeightFunctions(job_, tables);

  formNormalEquations(tables);
  for (int c = kFirstWeightFunction; c <= kLastWeightFunction; ++c) {
    solveWeightFunctionPass(job_, tables, c);
    formReciprocalWeight(job_, tables, c);
  }
  solveCorrelates(job_, tables);
  showReciprocalWeights(window_, job_);
  correctSides(job_, tables);
  evaluateErrors(job_, tables);
  showErrors(window_, job_);

  computeCoordinates(job_, tables);
}

RunOutcome Commands::command1() {
  try {
    RunTables tables = startRun();
    enterData(prompt_, window_, job_, tables);
    calculate(tables);
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
