#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace korvelin {

// A run that cannot go on: the window shows what() and the run ends as failed.
class RunFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A number prompt was cancelled and the cancel confirmed: the run ends, nothing is kept.
struct RunCancelled {};

// A printer failed or is not to be had; the report is not printed.
class PrinterFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Stage {
  KnownPoints,
  TriangleAngles,
  Misclosures,
  ConditionEquations,
  WeightFunctions,
  NormalEquations,
  Precision,
  Coordinates,
};

enum class Fault {
  DivisionByZero,
  InvalidOperation,  // the root of a negative number, 0/0, ∞ − ∞
  Overflow,          // also a value too large for its 32-bit store
  CosineOutOfRange,  // three sides that form no triangle
  NegativeWeight,    // a reciprocal weight clearly below 0
};

// Where in the stage: a triangle, a weight-function column, a side, a point slot, a pivot of
// the reduction, or the whole stage.
struct Place {
  enum Kind { Whole, Triangle, Column, Side, Point, Pivot } kind = Whole;
  int index = 0;
};

// An arithmetic fault of a stage, as typed fields: the fault, the stage, the place and the
// values that caused it (the three sides of a triangle, a negative 1/p). The words that show it
// are the caller's; what() is empty.
class ArithmeticFault : public RunFailure {
 public:
  ArithmeticFault(Fault fault, Stage stage, Place place, std::vector<double> values = {})
      : RunFailure(""), fault_(fault), stage_(stage), place_(place), values_(std::move(values)) {}
  Fault fault() const { return fault_; }
  Stage stage() const { return stage_; }
  Place place() const { return place_; }
  const std::vector<double>& values() const { return values_; }

 private:
  Fault fault_;
  Stage stage_;
  Place place_;
  std::vector<double> values_;
};

}  // namespace korvelin
