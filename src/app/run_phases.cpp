#include "app/run_phases.h"

#include <cmath>

#include "adjust/conditions.h"
#include "adjust/coordinates.h"
#include "adjust/known_points.h"
#include "adjust/normal_equations.h"
#include "adjust/precision.h"
#include "adjust/triangle_angles.h"
#include "adjust/weight_functions.h"
#include "output/result_display.h"
#include "record/number_format.h"
#include "record/run_errors.h"

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

void knownPointsAndAngles(PolygonJob& job, RunTables& tables) {
  resolveKnownPoints(job, tables);
  closeSideTable(job);
  resolveTriangles(job, tables);
}

void misclosures(PolygonJob& job, RunTables& tables, ResultWindow& window) {
  formMisclosures(job, tables);
  showMisclosures(window, job);
  rejectGrossMisclosure(job);
  formConditionColumns(job, tables);
}

void weightFunctions(PolygonJob& job, RunTables& tables) {
  formWeightFunctions(job, tables);
}

void normalEquationsAndPrecision(PolygonJob& job, RunTables& tables, ResultWindow& window) {
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
}

void coordinates(PolygonJob& job, RunTables& tables) {
  computeCoordinates(job, tables);
}

void calculate(PolygonJob& job, RunTables& tables, ResultWindow& window) {
  knownPointsAndAngles(job, tables);
  misclosures(job, tables, window);
  weightFunctions(job, tables);
  normalEquationsAndPrecision(job, tables, window);
  coordinates(job, tables);
}

}  // namespace korvelin
