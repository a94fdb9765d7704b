#include "adjust/traverse.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"
#include "adjust/known_points.h"

namespace korvelin {

void endLeg(PolygonJob& job, const RunTables& tables, const FaultWatch& watch, int k, double fromX,
            double fromY, double side, SlotPlace place) {
  const double azimuth = tables.legAzimuth[k] * tables.degreeFactor;
  job.x[k] = watch.checked(std::cos(azimuth) * side + fromX, place(k));
  job.y[k] = watch.checked(std::sin(azimuth) * side + fromY, place(k));
}

void traverseFirstLegs(PolygonJob& job, RunTables& tables, const FaultWatch& watch,
                       SlotPlace place) {
  auto& leg = tables.legAzimuth;
  leg[1] = belowFullCircle((tables.azimuthBA - tables.angleAtEnd[1]) + 180);
  endLeg(job, tables, watch, 1, job.xa, job.ya, job.S[3], place);
  leg[2] = belowFullCircle((leg[1] + tables.angleAtCentre[2]) + 180);
  endLeg(job, tables, watch, 2, job.x[1], job.y[1], job.S[5], place);
}

}  // namespace korvelin
