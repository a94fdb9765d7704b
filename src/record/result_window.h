#pragma once

#include <string>

namespace korvelin {

// The main window's 29 text boxes, Text1 … Text29.
enum class TextBox {
  Text1 = 1,
  Text2,
  Text3,
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11,
  Text12,
  Text13,
  Text14,
  Text15,
  Text16,
  Text17,
  Text18,
  Text19,
  Text20,
  Text21,
  Text22,
  Text23,
  Text24,
  Text25,
  Text26,
  Text27,
  Text28,
  Text29,
};

// "TextN".
std::string textBoxName(TextBox box);

enum class MessageKind {
  InvalidInput,  // an answer that cannot be taken; the run asks again
  Fault,         // the run cannot go on
  Notice,        // nothing to print yet, printer trouble
};

// What a run writes to: the text boxes (each write replaces the whole text) and messages.
class ResultWindow {
 public:
  virtual ~ResultWindow() = default;
  virtual void setText(TextBox box, const std::string& text) = 0;
  virtual void showMessage(MessageKind kind, const std::string& text) = 0;
};

}  // namespace korvelin
