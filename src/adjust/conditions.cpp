#include "adjust/conditions.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"

namespace korvelin {

void formMisclosures(PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::Misclosures);
  const int n = job.n;
  const double F = tables.degreeFactor;
  const auto& angleAtStart = tables.angleAtStart;
  const auto& angleAtCentre = tables.angleAtCentre;
  const auto& angleAtEnd = tables.angleAtEnd;

  job.w[1] = watch.stored32((tables.centralAngleSum - 360) * 3600);

  // B→A turned clockwise by the angles at B of triangles 1 and n gives B→C again.
  double carried = (tables.azimuthBA + angleAtStart[1]) + angleAtEnd[n];
  if (carried > 360) carried = carried - 360;
  tables.carriedAzimuthBC = carried;
  // Near north the two azimuths can fall on either side of 0/360: the difference is brought
  // into a half-turn before it becomes seconds.
  double difference = carried - tables.azimuthBC;
  if (difference > 180) {
    difference = difference - 360;
  } else if (difference <= -180) {
    difference = difference + 360;
  }
  job.w[2] = watch.stored32(difference * 3600);

  // S(2) carried by the sine rule through triangle 1 to S(1), then through triangle n to B–C.
  tables.carriedSideBC = std::sin(angleAtEnd[1] * F) * job.S[2] * std::sin(angleAtCentre[n] * F) /
                         std::sin(angleAtCentre[1] * F) / std::sin(angleAtStart[n] * F);
  job.w[3] = watch.stored32(tables.carriedSideBC - job.S[2 * n]);
  watch.check();
}

void formConditionColumns(const PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::ConditionEquations);
  const int n = job.n;
  const double F = tables.degreeFactor;
  const double rho = kRho;
  auto& aS = tables.angleAtStart;
  auto& aC = tables.angleAtCentre;
  auto& aE = tables.angleAtEnd;
  auto& hC = tables.heightFromCentre;
  auto& hS = tables.heightFromStart;
  auto& hE = tables.heightFromEnd;
  const auto cos = [F](double degrees) { return std::cos(degrees * F); };
  const auto tan = [F](double degrees) { return std::tan(degrees * F); };
  const auto cot = [&tan](double degrees) { return 1 / tan(degrees); };

  // Triangle 1 is preceded by triangle n: S(1) also closes triangle n.
  aE[0] = aE[n];
  hC[0] = hC[n];

  for (int i = 1; i <= n; ++i) {
    tables.T(kCentralCondition, 2 * i - 1) =
        -rho * (cos(aE[i - 1]) / hC[i - 1] + cos(aS[i]) / hC[i]);
  }
  for (int i = 2; i <= n - 1; ++i) {
    tables.T(kCentralCondition, 2 * i) = rho / hC[i];
  }

  tables.T(kFixedAngleCondition, 1) = -rho * (cos(aC[1]) / hS[1] + cos(aC[n]) / hE[n]);
  tables.T(kFixedAngleCondition, 3) = rho / hS[1];
  tables.T(kFixedAngleCondition, 2 * n - 1) = rho / hE[n];

  // ρ stands in column 3 as in columns 1 and 2, while w(3) stays in metres.
  tables.T(kFixedSideCondition, 1) = job.S[2 * n] * rho *
                                     (((cot(aE[1]) / hE[1] - (cos(aE[n]) / tan(aC[n])) / hC[n]) +
                                       (cos(aS[1]) / tan(aC[1])) / hC[1]) -
                                      cot(aS[n]) / hS[n]);
  tables.T(kFixedSideCondition, 3) =
      job.S[2 * n] * rho * ((cos(aE[1]) / tan(aC[1])) / hC[1] - (cos(aC[1]) / tan(aE[1])) / hE[1]);
  tables.T(kFixedSideCondition, 2 * n - 1) =
      job.S[2 * n] * rho * ((cos(aC[n]) / tan(aS[n])) / hS[n] - (cos(aS[n]) / tan(aC[n])) / hC[n]);
  for (int k = 1; k <= 2 * n; ++k) {
    for (int j = kCentralCondition; j <= kFixedSideCondition; ++j) {
      watch.checked(tables.T(j, k), {Place::Side, k});
    }
  }
  watch.check();
}

}  // namespace korvelin
