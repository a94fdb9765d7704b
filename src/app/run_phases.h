#pragma once

#include "record/polygon_job.h"
#include "record/result_window.h"

namespace korvelin {

// The stages of a run after the data entry, in their one order, as five phases. Each phase runs
// its stages to the end over the record and the run's tables; the misclosures and the precision
// figures are shown as they are formed. A phase throws RunFailure (ArithmeticFault for a fault of
// the arithmetic); the tests run a network up to any phase through these.

// S(2), S(2n), the azimuths B→A and B→C, S(2n+1) := S(1), the 32-bit copy of the observed sides,
// and the angles and heights of every triangle.
void knownPointsAndAngles(PolygonJob& job, RunTables& tables);

// w(1), w(2), w(3), shown at once, then refused when gross; condition columns 1 to 3.
void misclosures(PolygonJob& job, RunTables& tables, ResultWindow& window);

// The provisional traverse and weight-function columns 4 to 7.
void weightFunctions(PolygonJob& job, RunTables& tables);

// The normal sums, four weight-function passes each giving one 1/p, the correlates, the names and
// 1/p shown, the corrected sides, and ms, mx, my, md shown.
void normalEquationsAndPrecision(PolygonJob& job, RunTables& tables, ResultWindow& window);

// The final coordinates from the adjusted sides.
void coordinates(PolygonJob& job, RunTables& tables);

// All five phases in order.
void calculate(PolygonJob& job, RunTables& tables, ResultWindow& window);

}  // namespace korvelin
