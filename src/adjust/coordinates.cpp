#include "adjust/coordinates.h"

#include "adjust/arithmetic_fault.h"
#include "adjust/known_points.h"
#include "adjust/traverse.h"
#include "adjust/triangle_angles.h"

namespace korvelin {
namespace {

Place pointSlot(int k) {
  return {Place::Point, k};
}

}  // namespace

void computeCoordinates(PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::Coordinates);
  const int n = job.n;
  auto& s = job.S;
  s[2 * n + 1] = s[1];
  for (int i = 1; i <= n; ++i) resolveAnglesOfTriangle(s, i, tables, watch);

  const auto& aS = tables.angleAtStart;
  const auto& aE = tables.angleAtEnd;
  auto& leg = tables.legAzimuth;
  traverseFirstLegs(job, tables, watch, pointSlot);
  leg[3] = belowFullCircle((leg[2] - aS[3]) + 180);
  endLeg(job, tables, watch, 3, job.x[2], job.y[2], s[6], pointSlot);
  for (int k = 4; k <= n - 1; ++k) {
    double turned = ((leg[k - 1] - aE[k - 1]) - aS[k]) + 180;
    if (turned < 0) turned = turned + 360;
    leg[k] = belowFullCircle(turned);
    endLeg(job, tables, watch, k, job.x[k - 1], job.y[k - 1], s[2 * k], pointSlot);
  }
  job.x[0] = job.xa;
  job.y[0] = job.ya;
  watch.check();
}

}  // namespace korvelin
