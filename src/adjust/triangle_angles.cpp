#include "adjust/triangle_angles.h"

#include <cmath>

namespace korvelin {

double cosineOfAngle(double p, double q, double r) {
  return (p * p + q * q - r * r) / ((p + p) * q);
}

double angleFromCosine(double c, double F) {
  if (c == 0) return 90;
  double angle = std::atan(std::sqrt(1 - c * c) / c) / F;
  if (c < 0) angle = angle + 180;
  return angle;
}

bool formsTriangle(double p, double q, double r) {
  if (!(p > 0 && q > 0 && r > 0)) return false;
  if (!(p < q + r && q < p + r && r < p + q)) return false;
  const double atStart = cosineOfAngle(p, q, r);
  const double atCentre = cosineOfAngle(p, r, q);
  return std::abs(atStart) < 1 && std::abs(atCentre) < 1;
}

namespace {

double angleOpposite(double p, double q, double r, double F, const FaultWatch& watch, int i) {
  const double c = watch.checked(cosineOfAngle(p, q, r), {Place::Triangle, i});
  if (std::abs(c) > 1) {
    watch.fail(Fault::CosineOutOfRange, {Place::Triangle, i}, {p, q, r});
  }
  return angleFromCosine(c, F);
}

}  // namespace

void resolveAnglesOfTriangle(const std::vector<double>& S, int i, RunTables& tables,
                             const FaultWatch& watch) {
  const double F = tables.degreeFactor;
  const double start = angleOpposite(S[2 * i - 1], S[2 * i], S[2 * i + 1], F, watch, i);
  const double centre = angleOpposite(S[2 * i - 1], S[2 * i + 1], S[2 * i], F, watch, i);
  tables.angleAtStart[i] = start;
  tables.angleAtCentre[i] = centre;
  tables.angleAtEnd[i] = watch.checked((180 - start) - centre, {Place::Triangle, i});
}

void resolveTriangles(const PolygonJob& job, RunTables& tables) {
  const FaultWatch watch(Stage::TriangleAngles);
  const auto& S = job.S;
  const double F = tables.degreeFactor;
  tables.centralAngleSum = 0;
  for (int i = 1; i <= job.n; ++i) {
    resolveAnglesOfTriangle(S, i, tables, watch);
    const double sinStart = std::sin(tables.angleAtStart[i] * F);
    tables.heightFromCentre[i] = sinStart * S[2 * i - 1];
    tables.heightFromStart[i] = std::sin(tables.angleAtEnd[i] * F) * S[2 * i];
    tables.heightFromEnd[i] = sinStart * S[2 * i];
    tables.centralAngleSum = tables.centralAngleSum + tables.angleAtCentre[i];
  }
  watch.check();
}

}  // namespace korvelin
