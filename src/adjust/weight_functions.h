#pragma once

#include "record/polygon_job.h"

namespace korvelin {

// Provisional coordinates of the centre and of points 2 … n−1 by a radial traverse over the
// observed sides, then columns 4 to 7: the derivatives of x(2), y(2), x(3), y(3) with respect
// to each side.
void formWeightFunctions(PolygonJob& job, RunTables& tables);

}  // namespace korvelin
