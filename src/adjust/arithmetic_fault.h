#pragma once

#include <cmath>
#include <limits>

#include "record/run_errors.h"

namespace korvelin {

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
  [[noreturn]] void fail(Fault fault, Place place, std::vector<double> values = {}) const;

 private:
  [[noreturn]] void failNonFinite(double value, Place place) const;
  Stage stage_;
};

}  // namespace korvelin
