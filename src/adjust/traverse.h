#pragma once

#include "record/polygon_job.h"
#include "record/run_errors.h"

namespace korvelin {

class FaultWatch;

// Where a fault in the coordinates of slot k is reported.
using SlotPlace = Place (*)(int slot);

// Slot k at the end of leg k: from (fromX, fromY) along a side of the given length at the azimuth
// legAzimuth(k).
void endLeg(PolygonJob& job, const RunTables& tables, const FaultWatch& watch, int k, double fromX,
            double fromY, double side, SlotPlace place);

// The traverse's first legs, the same for the provisional traverse over the observed sides and
// for the final one over the adjusted sides: leg 1 from A to the centre along S(3), at the
// azimuth B→A less the angle at A of triangle 1, reversed; leg 2 from the centre to point 2 along
// S(5), turned from leg 1 by the angle at the centre of triangle 2, reversed. Sets legAzimuth(1),
// legAzimuth(2) and slots 1 and 2 from the angles of the triangles in tables.
void traverseFirstLegs(PolygonJob& job, RunTables& tables, const FaultWatch& watch,
                       SlotPlace place);

}  // namespace korvelin
