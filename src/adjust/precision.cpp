#include "adjust/precision.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"
#include "adjust/normal_equations.h"

namespace korvelin {
namespace {

// Below this share of [f f] a negative 1/P is a rounding residue of a weight function that is
// a combination of the conditions (point 3 is C when n = 4).
constexpr double kNegligibleWeightShare = 1e-9;

float coordinateError(float ms, double reciprocal, const FaultWatch& watch) {
  return watch.stored32(static_cast<double>(ms) * std::sqrt(reciprocal));
}

float positionError(float mx, float my, const FaultWatch& watch) {
  const double x = mx, y = my;
  return watch.stored32(std::sqrt(x * x + y * y));
}

}  // namespace

double& reciprocalWeight(PolygonJob& job, int c) {
  switch (c) {
    case 4:
      return job.Px1;
    case 5:
      return job.Py1;
    case 6:
      return job.Px2;
    default:
      return job.Py2;
  }
}

void formReciprocalWeight(PolygonJob& job, const RunTables& tables, int c) {
  const FaultWatch watch(Stage::Precision);
  const auto& N = tables.normalTable;
  const auto& q = job.K;
  double value =
      watch.checked(N[c][c] + N[1][c] * q[1] + N[2][c] * q[2] + N[3][c] * q[3], {Place::Column, c});
  if (value < 0) {
    if (-value > kNegligibleWeightShare * N[c][c]) {
      watch.fail(Fault::NegativeWeight, {Place::Column, c}, {value});
    }
    value = 0;
  }
  watch.check({Place::Column, c});
  reciprocalWeight(job, c) = value;
}

void evaluateErrors(PolygonJob& job, const RunTables& tables) {
  const FaultWatch watch(Stage::Precision);
  job.ms = watch.stored32(std::sqrt(tables.vv / kSolvedConditions) * 1000);
  job.mx1 = coordinateError(job.ms, job.Px1, watch);
  job.my1 = coordinateError(job.ms, job.Py1, watch);
  job.mx2 = coordinateError(job.ms, job.Px2, watch);
  job.my2 = coordinateError(job.ms, job.Py2, watch);
  job.md1 = positionError(job.mx1, job.my1, watch);
  job.md2 = positionError(job.mx2, job.my2, watch);
  watch.check();
}

}  // namespace korvelin
