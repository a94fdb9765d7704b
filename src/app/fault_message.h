#pragma once

#include <string>

#include "record/run_errors.h"

namespace korvelin {

// The words of an arithmetic fault as the window shows them: the stage, the place, the fault
// and its values, e.g. "运算错误（三角形解算，第 3 个三角形）：…。计算中止。"
std::string faultMessage(const ArithmeticFault& fault);

}  // namespace korvelin
