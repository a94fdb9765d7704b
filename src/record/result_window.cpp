#include "record/result_window.h"

namespace korvelin {

std::string textBoxName(TextBox box) {
  return "Text" + std::to_string(static_cast<int>(box));
}

}  // namespace korvelin
