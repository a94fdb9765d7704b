#include "adjust/arithmetic_fault.h"

#include <cfenv>

namespace korvelin {
namespace {

const char* stageName(Stage stage) {
  switch (stage) {
    case Stage::KnownPoints:
      return "已知点反算";
    case Stage::TriangleAngles:
      return "三角形解算";
    case Stage::Misclosures:
      return "闭合差计算";
    case Stage::ConditionEquations:
      return "条件方程系数";
    case Stage::WeightFunctions:
      return "权函数";
    case Stage::NormalEquations:
      return "法方程解算";
    case Stage::Precision:
      return "精度评定";
    case Stage::Coordinates:
      return "座标计算";
  }
  return "";
}

const char* faultName(Fault fault) {
  switch (fault) {
    case Fault::DivisionByZero:
      return "除数为零";
    case Fault::InvalidOperation:
      return "无效运算（负数开平方或不定式）";
    case Fault::Overflow:
      return "数值溢出";
    case Fault::CosineOutOfRange:
      return "三边不能构成三角形（余弦超出 [-1, 1]）";
    case Fault::NegativeWeight:
      return "权倒数为负";
  }
  return "";
}

std::string placeName(Place place) {
  switch (place.kind) {
    case Place::Whole:
      return "";
    case Place::Triangle:
      return "，第 " + std::to_string(place.index) + " 个三角形";
    case Place::Column:
      return "，权函数第 " + std::to_string(place.index) + " 列";
    case Place::Side:
      return "，边 S(" + std::to_string(place.index) + ")";
    case Place::Point:
      return "，第 " + std::to_string(place.index) + " 号点";
  }
  return "";
}

std::string describe(Fault fault, Stage stage, Place place, const std::string& detail) {
  std::string text =
      std::string("运算错误（") + stageName(stage) + placeName(place) + "）：" + faultName(fault);
  if (!detail.empty()) text += "：" + detail;
  return text + "。计算中止。";
}

constexpr int kWatchedFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

}  // namespace

ArithmeticFault::ArithmeticFault(Fault fault, Stage stage, Place place, const std::string& detail)
    : RunFailure(describe(fault, stage, place, detail)),
      fault_(fault),
      stage_(stage),
      place_(place) {}

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

void FaultWatch::fail(Fault fault, Place place, const std::string& detail) const {
  std::feclearexcept(FE_ALL_EXCEPT);
  throw ArithmeticFault(fault, stage_, place, detail);
}

}  // namespace korvelin
