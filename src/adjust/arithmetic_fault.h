#pragma once

#include <stdexcept>
#include <string>

namespace korvelin {

// A run that cannot go on: the window shows what() and the run ends as failed.
class RunFailure : public std::runtime_error {
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

// Where in the stage: a triangle, a weight-function column, a side, a point slot, or the whole.
struct Place {
  enum Kind { Whole, Triangle, Column, Side, Point } kind = Whole;
  int index = 0;
};

class ArithmeticFault : public RunFailure {
 public:
  ArithmeticFault(Fault fault, Stage stage, Place place, const std::string& detail = {});
  Fault fault() const { return fault_; }
  Stage stage() const { return stage_; }
  Place place() const { return place_; }

 private:
  Fault fault_;
  Stage stage_;
  Place place_;
};

// Watches the floating-point exception flags over one stage. A stage runs its formulas in plain
// IEEE arithmetic, in the order and widths they are written, and asks the watch at each record
// write whether a division by zero, an invalid operation or an overflow has happened since the
// stage began; the value is written only when none has and it is finite.
class FaultWatch {
 public:
  explicit FaultWatch(Stage stage);
  void check(Place place = {}) const;
  double checked(double value, Place place = {}) const;
  // The value rounded to its 32-bit store; a value beyond the 32-bit range is an overflow.
  float stored32(double value, Place place = {}) const;
  [[noreturn]] void fail(Fault fault, Place place, const std::string& detail = {}) const;

 private:
  Stage stage_;
};

}  // namespace korvelin
