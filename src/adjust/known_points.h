#pragma once

#include "record/polygon_job.h"

namespace korvelin {

// Distance from the coordinate differences: √(dy² + dx²).
double distance(double dx, double dy);

// Azimuth rule: the direction with differences dx (north), dy (east) and length d, in degrees
// from north towards east, in [0, 360). F is the run's degree factor.
double azimuth(double dx, double dy, double d, double F);

// A traverse azimuth that has reached a full circle, brought back by one subtraction of 360.
inline double belowFullCircle(double azimuth) {
  return azimuth >= 360 ? azimuth - 360 : azimuth;
}

// S(2) = B–A from the known coordinates of A and B, the one form the data entry's triangle check
// and the stages share.
double sideBA(const PolygonJob& job);

// S(2n) = B–C from the known coordinates of B and C.
double sideBC(const PolygonJob& job);

// S(2) = B–A and S(2n) = B–C from the known coordinates, each with its azimuth from B.
void resolveKnownPoints(PolygonJob& job, RunTables& tables);

// S(2n+1) := S(1), then the 32-bit copy of S(1) … S(2n+1) that the report lists as observed.
void closeSideTable(PolygonJob& job);

}  // namespace korvelin
