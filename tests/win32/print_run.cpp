// korvelin-print-run ANSWERS | --network N: makes one whole run, answering its prompts from the
// lines of ANSWERS (a line holding only ESC presses Cancel) or for a generated network of N
// triangles, then clicks Command3 to print the report on the default printer through GDI.
// Writes every message of the window to standard output; exits 0 when the run completed and the
// report printed without a message, 1 otherwise.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "network_fixture.h"
#include "win32/gdi_report_printer.h"

namespace {

using Answers = std::vector<std::optional<std::string>>;

Answers answersFromFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  Answers answers;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "\x1b") {
      answers.emplace_back(std::nullopt);
    } else {
      answers.emplace_back(line);
    }
  }
  return answers;
}

Answers answersForNetwork(int n) {
  const auto network = korvelin::testing::makeNetwork(n, 11);
  const auto typed = korvelin::testing::answersFor(network, 0.01, 11);
  return Answers(typed.begin(), typed.end());
}

class MessageLog : public korvelin::ResultWindow {
 public:
  void setText(korvelin::TextBox, const std::string&) override {}
  void showMessage(korvelin::MessageKind, const std::string& text) override {
    std::cout << "message\t" << text << std::endl;
    ++messages;
  }
  int messages = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc < 2 || (first == "--network" && argc < 3)) {
    std::cerr << "usage: korvelin-print-run ANSWERS | --network N\n";
    return 2;
  }
  try {
    const Answers answers =
        first == "--network" ? answersForNetwork(std::stoi(argv[2])) : answersFromFile(argv[1]);
    korvelin::testing::ScriptedPrompt prompt(answers);
    MessageLog window;
    korvelin::GdiReportPrinter printer;
    korvelin::Commands commands(prompt, window, printer);
    if (commands.command1() != korvelin::RunOutcome::Complete) {
      std::cout << "run\tnot complete" << std::endl;
      return 1;
    }
    std::cout << "run\tcomplete, n = " << commands.job().n << std::endl;
    const int before = window.messages;
    commands.command3();
    if (window.messages != before) return 1;
    std::cout << "report\tprinted" << std::endl;
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "korvelin-print-run: " << error.what() << '\n';
    return 2;
  }
}
