#pragma once

#include "record/polygon_job.h"

namespace korvelin {

// Final coordinates from the adjusted sides: the angles of every triangle anew, then the
// traverse A → centre → point 2 and on along the peripheral sides to C. Slot 0 holds A.
void computeCoordinates(PolygonJob& job, RunTables& tables);

}  // namespace korvelin
