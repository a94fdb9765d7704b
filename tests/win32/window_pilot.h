#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "win32/main_window.h"

namespace korvelin::testing {

// How the pilot gives an answer: set into the field and OK clicked, or typed key by key and
// Enter pressed.
enum class Answering { SetField, TypeKeys };

// An answer script of korvelin-replay: one answer per line (UTF-8).
std::vector<std::string> readAnswers(const std::string& path);

// What a transcript of korvelin-replay shows: the prompts' texts in order, and the text every box
// holds at its end (the last "set" event of each).
struct Transcript {
  std::vector<std::string> asks;
  std::map<TextBox, std::string> finalTexts;
};
Transcript readTranscript(const std::string& eventsPath);

// Answers the window's prompts as they open, one answer each, in order, from a thread timer that
// the modal loops of the prompts dispatch too. A message box, or a prompt after the last answer,
// is a fault: it is dismissed and recorded, so that a run goes on to its end instead of waiting
// for a user who is not there. Each prompt is also checked as it opens: its title, an empty
// field, and its place on the screen over none of the echo boxes.
class PromptPilot {
 public:
  PromptPilot(const win32::MainWindow& window, std::vector<std::string> answers, Answering how);
  ~PromptPilot();

  // Called on every tick, after the prompts are served, while no prompt is open and the window
  // is the active one.
  void whenIdle(void (*idle)(PromptPilot&)) { idle_ = idle; }

  bool answeredAll() const { return next_ == answers_.size(); }
  const std::vector<std::string>& faults() const { return faults_; }
  const std::vector<std::string>& promptsSeen() const { return promptsSeen_; }
  void fault(const std::string& what) { faults_.push_back(what); }
  const win32::MainWindow& window() const { return window_; }

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
  void serve(HWND dialog);
  void checkPlace(HWND dialog);

  const win32::MainWindow& window_;
  std::vector<std::string> answers_;
  std::size_t next_ = 0;
  Answering how_;
  std::vector<std::string> faults_;
  std::vector<std::string> promptsSeen_;
  void (*idle_)(PromptPilot&) = nullptr;
  UINT_PTR timer_ = 0;
};

// Makes the window the active one, as a user's click would before the click itself reaches a
// control. Without a window manager nothing else does it; and a button clicked in an inactive
// window loses its press when the activation moves the focus.
void activate(HWND frame);

// The text of a window (UTF-8).
std::string windowText(HWND window);

// Ends the process with a failure when the test has not finished in time.
void startWatchdog(DWORD seconds);

// Compares the prompts seen and the text boxes now with the transcript's; a fault for each
// difference.
void compareWithTranscript(PromptPilot& pilot, const Transcript& transcript);

// Prints the faults; the exit code of the test.
int report(const PromptPilot& pilot, const char* name);

}  // namespace korvelin::testing
