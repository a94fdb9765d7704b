#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "record/prompt.h"
#include "record/report_printer.h"
#include "record/result_window.h"

namespace korvelin::replay {

// Every event as one line of TAB-separated fields; in a text field \ is written \\, TAB \t,
// LF \n and CR \r.
std::string escaped(const std::string& text);

// The answers run out while a prompt is open.
struct AnswersExhausted {};

// Answers one line per prompt from the script (a CR before its LF dropped); a line holding only
// ESC presses Cancel.
class ScriptPrompt : public Prompt {
 public:
  ScriptPrompt(std::istream& answers, std::ostream& events) : answers_(answers), events_(events) {}
  std::optional<std::string> ask(const std::string& text) override;

 private:
  std::istream& answers_;
  std::ostream& events_;
};

class EventWindow : public ResultWindow {
 public:
  explicit EventWindow(std::ostream& events) : events_(events) {}
  void setText(TextBox box, const std::string& text) override;
  void showMessage(MessageKind kind, const std::string& text) override;

 private:
  std::ostream& events_;
};

// The report as position, font, line and end events; a font event follows the page set-up
// and every later change of the face or the size, just before the next line.
class EventPrinter : public ReportPrinter {
 public:
  explicit EventPrinter(std::ostream& events) : events_(events) {}
  void setPrintPosition(float horizontalTwips, float verticalTwips) override;
  void setFontName(const std::string& face) override { face_ = face; }
  void setFontSize(float points) override { size_ = points; }
  void printLine(const ReportLine& line) override;
  void printEmptyLine() override { printLine({}); }
  void endDocument() override;

 private:
  void announceFont();

  std::ostream& events_;
  std::string face_;
  float size_ = 0;
  std::optional<std::pair<std::string, float>> announced_;
};

}  // namespace korvelin::replay
