#pragma once

#include <optional>
#include <string>

namespace korvelin {

// The modal prompt: shows a text over the window with an empty entry field, OK and Cancel.
class Prompt {
 public:
  virtual ~Prompt() = default;
  // The text typed before OK (UTF-8), or nullopt when the prompt was cancelled.
  virtual std::optional<std::string> ask(const std::string& text) = 0;
};

}  // namespace korvelin
