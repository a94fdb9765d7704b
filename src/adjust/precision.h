#pragma once

#include "record/polygon_job.h"

namespace korvelin {

// The record field of the reciprocal weight of column c: 4 → 1/px of point 2 (Px1),
// 5 → 1/py of point 2 (Py1), 6 → 1/px of point 3 (Px2), 7 → 1/py of point 3 (Py2).
double& reciprocalWeight(PolygonJob& job, int c);

// 1/P = N(c, c) + N(1, c)·q(1) + N(2, c)·q(2) + N(3, c)·q(3) after the pass of column c.
void formReciprocalWeight(PolygonJob& job, const RunTables& tables, int c);

// ms = √([vv] / 2) × 1000 in mm, with the two independent conditions as divisor; then mx, my
// from ms and the reciprocal weights, and md from the stored mx, my.
void evaluateErrors(PolygonJob& job, const RunTables& tables);

}  // namespace korvelin
