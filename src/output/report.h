#pragma once

#include "record/polygon_job.h"
#include "record/report_printer.h"

namespace korvelin {

// The report of a complete run: 3n + 39 lines, the title in 12 points, the rest in 10.
void printReport(const PolygonJob& job, ReportPrinter& printer);

}  // namespace korvelin
