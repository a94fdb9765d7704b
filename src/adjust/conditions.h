#pragma once

#include "record/polygon_job.h"

namespace korvelin {

// w(1) central, w(2) fixed-angle (seconds), w(3) fixed-side (metres), each the value from the
// observed sides minus the value required, stored as 32-bit values.
void formMisclosures(PolygonJob& job, RunTables& tables);

// Columns 1 to 3 of the coefficient table, ρ times the rate of change of each condition's
// quantity with respect to the side, so that Σ T(j, k)·v(k) + w(j) = 0.
void formConditionColumns(const PolygonJob& job, RunTables& tables);

}  // namespace korvelin
