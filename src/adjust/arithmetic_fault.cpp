#include "adjust/arithmetic_fault.h"

#include <cfenv>

namespace korvelin {
namespace {

constexpr int kWatchedFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

}  // namespace

FaultWatch::FaultWatch(Stage stage) : stage_(stage) {
  std::feclearexcept(FE_ALL_EXCEPT);
}

void FaultWatch::check(Place place) const {
  const int raised = std::fetestexcept(kWatchedFlags);
  if (raised & FE_DIVBYZERO) fail(Fault::DivisionByZero, place);
  if (raised & FE_INVALID) fail(Fault::InvalidOperation, place);
  if (raised & FE_OVERFLOW) fail(Fault::Overflow, place);
}

void FaultWatch::failNonFinite(double value, Place place) const {
  // A division by zero leaves its flag beside the infinity; say which it was.
  check(place);
  fail(std::isnan(value) ? Fault::InvalidOperation : Fault::Overflow, place);
}

void FaultWatch::fail(Fault fault, Place place, std::vector<double> values) const {
  std::feclearexcept(FE_ALL_EXCEPT);
  throw ArithmeticFault(fault, stage_, place, std::move(values));
}

}  // namespace korvelin
