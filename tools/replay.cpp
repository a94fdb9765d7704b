// korvelin-replay [calc|print]...: clicks Command1 (calc) and Command3 (print) in the order
// given, `calc print` by default, answering every prompt from a line of standard input and
// writing every prompt, answer, text-box write, message, run outcome and report line to
// standard output. Exits 3 with "end-of-answers" when a prompt opens after the last answer.
// Both streams are binary on every platform: lines end in LF, so a transcript is the same bytes
// on Linux and on Windows.
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "replay_session.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Windows opens the standard streams in text mode, which writes CR LF for LF and reads a CR LF
// as LF; binary mode keeps the bytes as they are.
void binaryStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

const char* outcomeName(korvelin::RunOutcome outcome) {
  switch (outcome) {
    case korvelin::RunOutcome::Complete:
      return "complete";
    case korvelin::RunOutcome::Cancelled:
      return "cancelled";
    case korvelin::RunOutcome::Failed:
      return "failed";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  binaryStandardStreams();
  std::ios::sync_with_stdio(false);
  std::vector<std::string_view> actions(argv + 1, argv + argc);
  if (actions.empty()) actions = {"calc", "print"};
  for (const auto action : actions) {
    if (action != "calc" && action != "print") {
      std::cerr << "usage: korvelin-replay [calc|print]...\n";
      return 2;
    }
  }

  korvelin::replay::ScriptPrompt prompt(std::cin, std::cout);
  korvelin::replay::EventWindow window(std::cout);
  korvelin::replay::EventPrinter printer(std::cout);
  korvelin::Commands commands(prompt, window, printer);
  try {
    for (const auto action : actions) {
      if (action == "calc") {
        const auto outcome = commands.command1();
        std::cout << "run\t" << outcomeName(outcome) << '\n';
      } else {
        commands.command3();
      }
    }
  } catch (const korvelin::replay::AnswersExhausted&) {
    std::cout.flush();
    std::cerr << "end-of-answers\n";
    return 3;
  }
  return 0;
}
