#include "adjust/weight_functions.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"
#include "adjust/known_points.h"
#include "adjust/traverse.h"

namespace korvelin {
namespace {

Place wholeStage(int) {
  return {};
}

// Radial traverse: A → centre along S(3), then centre → point k along S(2k+1).
void traverseProvisionally(PolygonJob& job, RunTables& tables, const FaultWatch& watch) {
  auto& leg = tables.legAzimuth;
  traverseFirstLegs(job, tables, watch, wholeStage);
  for (int k = 3; k <= job.n - 1; ++k) {
    leg[k] = belowFullCircle(leg[k - 1] + tables.angleAtCentre[k]);
    endLeg(job, tables, watch, k, job.x[1], job.y[1], job.S[2 * k + 1], wholeStage);
  }
}

}  // namespace

void formWeightFunctions(PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::WeightFunctions);
  traverseProvisionally(job, tables, watch);

  const double F = tables.degreeFactor;
  const auto cos = [F](double degrees) { return std::cos(degrees * F); };
  const auto sin = [F](double degrees) { return std::sin(degrees * F); };
  const auto& aS = tables.angleAtStart;
  const auto& aC = tables.angleAtCentre;
  const auto& aE = tables.angleAtEnd;
  const auto& hC = tables.heightFromCentre;
  const auto& hE = tables.heightFromEnd;
  const auto& leg = tables.legAzimuth;
  const auto& x = job.x;
  const auto& y = job.y;
  const auto T = [&tables](int j, int k) -> double& { return tables.T(j, k); };

  const double dy2A = y[2] - job.ya, dy21 = y[2] - y[1];
  const double dx2A = x[2] - job.xa, dx21 = x[2] - x[1];
  const double dy3A = y[3] - job.ya, dy31 = y[3] - y[1];
  const double dx3A = x[3] - job.xa, dx31 = x[3] - x[1];

  // x(2)
  T(4, 1) = dy2A / hE[1];
  T(4, 3) = (cos(leg[1]) - (dy2A * cos(aC[1])) / hE[1]) + (dy21 * cos(aS[2])) / hC[2];
  T(4, 4) = -dy21 / hC[2];
  T(4, 5) = cos(leg[2]) + (dy21 * cos(aE[2])) / hC[2];
  // y(2)
  T(5, 1) = -dx2A / hE[1];
  T(5, 3) = (sin(leg[1]) + (dx2A * cos(aC[1])) / hE[1]) - (dx21 * cos(aS[2])) / hC[2];
  T(5, 4) = dx21 / hC[2];
  T(5, 5) = sin(leg[2]) - (dx21 * cos(aE[2])) / hC[2];
  // x(3)
  T(6, 1) = dy3A / hE[1];
  T(6, 3) = (cos(leg[1]) - (dy3A * cos(aC[1])) / hE[1]) + (dy31 * cos(aS[2])) / hC[2];
  T(6, 4) = -dy31 / hC[2];
  T(6, 5) = dy31 * (cos(aE[2]) / hC[2] + cos(aS[3]) / hC[3]);
  T(6, 6) = -dy31 / hC[3];
  T(6, 7) = cos(leg[3]) + (dy31 * cos(aE[3])) / hC[3];
  // y(3)
  T(7, 1) = -dx3A / hE[1];
  T(7, 3) = (sin(leg[1]) + (dx3A * cos(aC[1])) / hE[1]) - (dx31 * cos(aS[2])) / hC[2];
  T(7, 4) = dx31 / hC[2];
  T(7, 5) = -dx31 * (cos(aE[2]) / hC[2] + cos(aS[3]) / hC[3]);
  T(7, 6) = dx31 / hC[3];
  T(7, 7) = sin(leg[3]) - (dx31 * cos(aE[3])) / hC[3];

  for (int k = 1; k <= 7; ++k) {
    for (int j = kFirstWeightFunction; j <= kLastWeightFunction; ++j) {
      watch.checked(T(j, k), {Place::Side, k});
    }
  }
  watch.check();
}

}  // namespace korvelin
