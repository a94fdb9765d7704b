#pragma once

#include "record/polygon_job.h"
#include "record/prompt.h"
#include "record/result_window.h"
#include "record/run_errors.h"

namespace korvelin {

// The data entry of a run: n (then the sizing step), xa … yc, the point names and the observed
// sides S(1), S(3) … S(2n−1), each number echoed and confirmed or entered again. Cancel on a
// number prompt asks before it ends the run (RunCancelled); a radial side that leaves a triangle
// open has every value of that triangle offered again.
void enterData(Prompt& prompt, ResultWindow& window, PolygonJob& job, RunTables& tables);

}  // namespace korvelin
