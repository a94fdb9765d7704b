#pragma once

#include <optional>
#include <string>

#include "record/prompt.h"

class QWidget;

namespace korvelin {

// The prompt as a modal QInputDialog over the window: the prompt text, an empty single-line
// field, OK (the default button, pressed by Enter) and Cancel; the application's name in the
// title bar.
class DialogPrompt : public Prompt {
 public:
  explicit DialogPrompt(QWidget* window) : window_(window) {}
  std::optional<std::string> ask(const std::string& text) override;

 private:
  QWidget* window_;
};

}  // namespace korvelin
