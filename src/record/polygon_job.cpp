#include "record/polygon_job.h"

namespace korvelin {

RunTables startRun() {
  RunTables tables;
  tables.degreeFactor = kPi / 180;
  return tables;
}

void sizeTables(PolygonJob& job, RunTables& tables) {
  const int n = job.n;
  const int sides = 2 * n + 2;
  job.conditionCount = 3;
  job.S.assign(sides, 0.0);
  job.observedSideCopy.assign(sides, 0.0f);
  job.pointNames.assign(n, std::string());
  job.w.assign(job.conditionCount + 1, 0.0f);
  job.K.assign(job.conditionCount + 1, 0.0);
  job.x.assign(n, 0.0);
  job.y.assign(n, 0.0);

  const double degreeFactor = tables.degreeFactor;
  tables = RunTables{};
  tables.degreeFactor = degreeFactor;
  tables.angleAtStart.assign(n + 2, 0.0);
  for (auto* table : {&tables.angleAtEnd, &tables.angleAtCentre, &tables.heightFromCentre,
                      &tables.heightFromStart, &tables.heightFromEnd}) {
    table->assign(n + 1, 0.0);
  }
  tables.legAzimuth.assign(n, 0.0);
  tables.coefficientTable.assign(sides, {});
  tables.v.assign(2 * n, 0.0);
}

}  // namespace korvelin
