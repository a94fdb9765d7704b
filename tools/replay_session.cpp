#include "replay_session.h"

#include "record/number_format.h"

namespace korvelin::replay {

std::string escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::optional<std::string> ScriptPrompt::ask(const std::string& text) {
  events_ << "ask\t" << escaped(text) << '\n';
  std::string line;
  if (!std::getline(answers_, line)) throw AnswersExhausted{};
  // A script saved with CRLF line ends answers the same as with LF.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line == "\x1b") {
    events_ << "cancel\n";
    return std::nullopt;
  }
  events_ << "answer\t" << escaped(line) << '\n';
  return line;
}

void EventWindow::setText(TextBox box, const std::string& text) {
  events_ << "set\t" << textBoxName(box) << '\t' << escaped(text) << '\n';
}

void EventWindow::showMessage(MessageKind, const std::string& text) {
  events_ << "message\t" << escaped(text) << '\n';
}

void EventPrinter::setPrintPosition(float horizontalTwips, float verticalTwips) {
  events_ << "position\t" << general(horizontalTwips) << '\t' << general(verticalTwips) << '\n';
}

void EventPrinter::announceFont() {
  if (announced_ && announced_->first == face_ && announced_->second == size_) return;
  announced_.emplace(face_, size_);
  events_ << "font\t" << escaped(face_) << '\t' << general(size_) << '\n';
}

void EventPrinter::printLine(const ReportLine& line) {
  announceFont();
  events_ << "line\t" << escaped(renderInColumns(line)) << '\n';
}

void EventPrinter::endDocument() {
  events_ << "report\tend\n";
  announced_.reset();
}

}  // namespace korvelin::replay
