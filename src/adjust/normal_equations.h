#pragma once

#include <vector>

#include "record/polygon_job.h"

namespace korvelin {

// The fixed-side condition holds identically: its column and w(3) are rounding residues, and a
// solve that kept it would divide by a reduced pivot of about 1e-11 and let rounding noise drive
// the corrections. The network has two redundant sides, so the correlates come from the
// central and the fixed-angle condition alone and K(3) is 0.
inline constexpr int kSolvedConditions = 2;

// N(i, j) = Σₖ T(i, k)·T(j, k), k = 1 … 2n, i, j = 1 … 7, into normalTable and workTable.
void formNormalEquations(RunTables& tables);

// Gauss–Doolittle on the solved block of G with the right-hand side b in column 4: K(1), K(2)
// with N·K + b = 0, and K(3) := 0. No pivot search; a zero pivot is a fault.
void reduceAndSolve(NormalTable& G, std::vector<double>& K);

// Pass for weight-function column c = 4 … 7 on workTable: K holds q = −N⁻¹·[a f] afterwards.
// For c < 7, workTable is then restored with column 4 taken from column c + 1.
void solveWeightFunctionPass(PolygonJob& job, RunTables& tables, int c);

// w(1 … 3) into column 4 of normalTable, then the correlates K.
void solveCorrelates(PolygonJob& job, RunTables& tables);

// v(k) = T(1, k)·K(1) + T(2, k)·K(2), s(k) = S(k) + v(k) and [vv] for k = 1 … 2n−1.
void correctSides(PolygonJob& job, RunTables& tables);

}  // namespace korvelin
