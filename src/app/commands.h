#pragma once

#include <optional>

#include "app/run_phases.h"
#include "record/polygon_job.h"
#include "record/prompt.h"
#include "record/report_printer.h"
#include "record/result_window.h"

namespace korvelin {

enum class RunOutcome { Complete, Cancelled, Failed };

// The three commands of the main window over the one calculation record.
//
// A Command1 run, start to end, on one thread:
//   prompts → record: n, then the sizing step, xa … yc, names and sides, each echoed;
//   stages over the record: known points and triangle angles → w(1), w(2), w(3) shown →
//     weight functions → normal equations (four weight-function passes, each giving a 1/p;
//     the correlates; names and 1/p shown; corrections; ms, mx, my, md shown) → coordinates;
//   window: one pause prompt per point, then its name and coordinates.
// A complete run is kept for Command3, which prints it line by line to the report printer.
// Bad input is asked again; a fault, or a cancelled number prompt whose cancel is confirmed,
// ends the run: the result boxes it has not written are emptied before its message, and
// Command3 still prints the last complete run.
class Commands {
 public:
  Commands(Prompt& prompt, ResultWindow& window, ReportPrinter& printer)
      : prompt_(prompt), window_(window), printer_(printer) {}

  RunOutcome command1();
  // Prints the last complete run; before any, says so and prints nothing.
  void command3();

  const PolygonJob& job() const { return job_; }

 private:
  Prompt& prompt_;
  ResultWindow& window_;
  ReportPrinter& printer_;
  PolygonJob job_;
  std::optional<PolygonJob> lastComplete_;
};

}  // namespace korvelin
