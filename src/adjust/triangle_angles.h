#pragma once

#include "adjust/arithmetic_fault.h"
#include "record/polygon_job.h"

namespace korvelin {

// Law of cosines: the cosine of the angle between p and q, opposite r.
double cosineOfAngle(double p, double q, double r);

// Triangle-angle rule: the angle in degrees whose cosine is c, |c| ≤ 1. A right angle (c = 0)
// is 90 without dividing by c.
double angleFromCosine(double c, double F);

// Whether three positive sides form a real triangle whose angles the rule can resolve.
bool formsTriangle(double p, double q, double r);

// The three angles of triangle i from the sides S(2i−1), S(2i), S(2i+1) of the side table:
// at its start point, at the centre, and at its end point as the remainder to 180.
void resolveAnglesOfTriangle(const std::vector<double>& S, int i, RunTables& tables,
                             const FaultWatch& watch);

// Angles and heights of every triangle from the observed sides, and the sum of the central
// angles.
void resolveTriangles(const PolygonJob& job, RunTables& tables);

}  // namespace korvelin
