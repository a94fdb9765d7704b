#include "app/fault_message.h"

#include "record/number_format.h"

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

// A pivot is named after the fault instead, as "第 i 个主元为零".
std::string placeName(Place place) {
  switch (place.kind) {
    case Place::Whole:
    case Place::Pivot:
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

std::string detail(const ArithmeticFault& fault) {
  if (fault.place().kind == Place::Pivot) {
    return "第 " + std::to_string(fault.place().index) + " 个主元为零";
  }
  const auto& values = fault.values();
  if (values.empty()) return "";
  if (fault.fault() == Fault::CosineOutOfRange && values.size() == 3) {
    return "边长 " + general(values[0]) + "、" + general(values[1]) + "、" + general(values[2]);
  }
  std::string text;
  for (double v : values) text += (text.empty() ? "" : "、") + general(v);
  return text;
}

}  // namespace

std::string faultMessage(const ArithmeticFault& fault) {
  std::string text = std::string("运算错误（") + stageName(fault.stage()) +
                     placeName(fault.place()) + "）：" + faultName(fault.fault());
  const std::string values = detail(fault);
  if (!values.empty()) text += "：" + values;
  return text + "。计算中止。";
}

}  // namespace korvelin
