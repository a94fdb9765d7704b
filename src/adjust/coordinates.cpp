#include "adjust/coordinates.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"
#include "adjust/known_points.h"
#include "adjust/triangle_angles.h"

namespace korvelin {
void computeCoordinates(PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::Coordinates);
  const int n = job.n;
  auto& s = job.S;
  s[2 * n + 1] = s[1];
  for (int i = 1; i <= n; ++i) resolveAnglesOfTriangle(s, i, tables, watch);

  const double F = tables.degreeFactor;
  const auto& aS = tables.angleAtStart;
  const auto& aC = tables.angleAtCentre;
  const auto& aE = tables.angleAtEnd;
  auto& leg = tables.legAzimuth;
  auto& x = job.x;
  auto& y = job.y;
  // Leg k, of length side and azimuth legAzimuth(k), ends in slot k.
  const auto placeLeg = [&](int k, double fromX, double fromY, double side) {
    x[k] = watch.checked(std::cos(leg[k] * F) * side + fromX, {Place::Point, k});
    y[k] = watch.checked(std::sin(leg[k] * F) * side + fromY, {Place::Point, k});
  };

  leg[1] = belowFullCircle((tables.azimuthBA - aE[1]) + 180);
  placeLeg(1, job.xa, job.ya, s[3]);
  leg[2] = belowFullCircle((leg[1] + aC[2]) + 180);
  placeLeg(2, x[1], y[1], s[5]);
  leg[3] = belowFullCircle((leg[2] - aS[3]) + 180);
  placeLeg(3, x[2], y[2], s[6]);
  for (int k = 4; k <= n - 1; ++k) {
    double turned = ((leg[k - 1] - aE[k - 1]) - aS[k]) + 180;
    if (turned < 0) turned = turned + 360;
    leg[k] = belowFullCircle(turned);
    placeLeg(k, x[k - 1], y[k - 1], s[2 * k]);
  }
  x[0] = job.xa;
  y[0] = job.ya;
  watch.check();
}

}  // namespace korvelin
