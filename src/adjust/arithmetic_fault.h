#pragma once

#include <cmath>
#include <limits>
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

// Watches one stage. A stage runs its formulas in plain IEEE arithmetic, in the order and widths
// they are written. Every value it writes into the record passes checked(), which refuses a NaN
// (an invalid operation) or an infinity (an overflow or a division by zero). A fault whose result
// stays finite (x/∞) can only hide in the run's own tables, so each stage ends with check(): the
// exception flags raised since the stage began. Reading the flags costs more than a triangle,
// hence once per stage and not per value.
class FaultWatch {
 public:
  explicit FaultWatch(Stage stage);
  void check(Place place = {}) const;
  double checked(double value, Place place = {}) const {
    if (!std::isfinite(value)) failNonFinite(value, place);
    return value;
  }
  // The value rounded to its 32-bit store; a value beyond the 32-bit range is an overflow.
  float stored32(double value, Place place = {}) const {
    // Converting a value beyond the 32-bit range would itself be undefined, so it is refused
    // before the conversion.
    if (std::abs(checked(value, place)) > std::numeric_limits<float>::max()) {
      fail(Fault::Overflow, place);
    }
    return static_cast<float>(value);
  }
  [[noreturn]] void fail(Fault fault, Place place, const std::string& detail = {}) const;

 private:
  [[noreturn]] void failNonFinite(double value, Place place) const;
  Stage stage_;
};

}  // namespace korvelin
