#include "adjust/known_points.h"

#include <cmath>

#include "adjust/arithmetic_fault.h"

namespace korvelin {

double distance(double dx, double dy) {
  return std::sqrt(dy * dy + dx * dx);
}

double azimuth(double dx, double dy, double d, double F) {
  if (dx == 0) return dy > 0 ? 90 : 270;
  if (dy == 0) return dx < 0 ? 180 : 0;
  const double s = dy / d;
  const double root = std::sqrt(1 - s * s);
  // A direction so close to east or west that s rounds to ±1: the arcsine is ±90, taken without
  // dividing by the vanished root.
  double a = root == 0 ? (s > 0 ? 90.0 : -90.0) : std::atan(s / root) / F;
  if (dx < 0) a = 180 - a;
  if (dx > 0 && dy < 0) a = a + 360;
  return a;
}

double sideBA(const PolygonJob& job) {
  return distance(job.xa - job.xb, job.ya - job.yb);
}

double sideBC(const PolygonJob& job) {
  return distance(job.xc - job.xb, job.yc - job.yb);
}

void resolveKnownPoints(PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::KnownPoints);
  const int n = job.n;
  const double F = tables.degreeFactor;
  job.S[2] = watch.checked(sideBA(job));
  tables.azimuthBA = watch.checked(azimuth(job.xa - job.xb, job.ya - job.yb, job.S[2], F));
  job.S[2 * n] = watch.checked(sideBC(job));
  tables.azimuthBC = watch.checked(azimuth(job.xc - job.xb, job.yc - job.yb, job.S[2 * n], F));
  watch.check();
}

void closeSideTable(PolygonJob& job) {
  const FaultWatch watch(Stage::KnownPoints);
  const int n = job.n;
  job.S[2 * n + 1] = job.S[1];
  for (int i = 1; i <= 2 * n + 1; ++i) {
    job.observedSideCopy[i] = watch.stored32(job.S[i], {Place::Side, i});
  }
}

}  // namespace korvelin
