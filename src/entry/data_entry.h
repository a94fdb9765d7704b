#pragma once

#include "app/polygon_job.h"
#include "app/result_window.h"
#include "entry/prompt.h"

namespace korvelin {

// Thrown when a number prompt is cancelled: the run ends, the window keeps its texts.
struct RunCancelled {};

// The data entry of a run: n (then the sizing step), xa … yc, the point names and the observed
// sides S(1), S(3) … S(2n−1), each number echoed and confirmed or entered again.
void enterData(Prompt& prompt, ResultWindow& window, PolygonJob& job, RunTables& tables);

}  // namespace korvelin
