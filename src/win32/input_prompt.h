#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "record/prompt.h"

namespace korvelin::win32 {

// The controls of the prompt, by which it is also told from a message box.
inline constexpr int kPromptTextId = 100;
inline constexpr int kPromptFieldId = 101;

// The modal input box of a run, built in code from an in-memory dialog template: title
// "Korvelin", the prompt text, an empty single-line field, OK (the default, Enter) and Cancel
// (Esc). It opens over the empty area of the layout above the frame, so that it covers no echo
// box, and stays on the screen.
class InputPrompt : public Prompt {
 public:
  // owner: the main window, disabled while the prompt is open; layout: the window that holds the
  // layout, whose client coordinates are those of the tables.
  InputPrompt(HWND owner, HWND layout) : owner_(owner), layout_(layout) {}

  std::optional<std::string> ask(const std::string& text) override;

 private:
  HWND owner_;
  HWND layout_;
};

}  // namespace korvelin::win32
