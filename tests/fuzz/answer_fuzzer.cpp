// Turns the input bytes into a script of answers and replays Command1 and Command3 through the
// core. A run must end complete, cancelled, or failed with a message; no text that the program
// writes may hold a NaN or an infinity; a complete run's report has 3n + 39 lines.
//
// The first two bytes pick a valid network (n and a seed). Every later byte is an opcode for
// the next answer: most take the network's own answer, the rest put in its place an empty
// answer, Cancel, 0, a number of any shape and size, a 16-bit n, a word or raw text. Raw text
// and names never spell "nan" or "inf", so that any such text in the output came from a number.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "network_fixture.h"

namespace {

using korvelin::MessageKind;
using korvelin::TextBox;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
  std::uint64_t word(int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | byte();
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::string printed(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string withoutNumberWords(std::string text) {
  for (char& c : text) {
    if (c == 'n' || c == 'N' || c == 'i' || c == 'I') c = 'x';
  }
  return text;
}

class FuzzPrompt : public korvelin::Prompt {
 public:
  FuzzPrompt(Bytes& bytes, std::vector<std::string> script) : bytes_(bytes), script_(script) {}

  std::optional<std::string> ask(const std::string& text) override {
    auto answer = answerFor();
    // Names are echoed as typed: they must not spell what the output is searched for.
    if (answer && text.find("点名") != std::string::npos) answer = withoutNumberWords(*answer);
    return answer;
  }

 private:
  std::optional<std::string> answerFor() {
    // Bounded: past this every prompt is cancelled, which ends or moves on every loop.
    if (++asked_ > 20000) return std::nullopt;
    std::optional<std::string> own;
    if (next_ < script_.size()) own = script_[next_++];
    if (bytes_.empty()) return own;
    const std::uint8_t op = bytes_.byte();
    if (op < 160) return own;
    switch (op % 12) {
      case 0:
        return "";
      case 1:
        return std::nullopt;
      case 2:
        return "0";
      case 3: {  // any 64-bit pattern, written in full
        const std::uint64_t bits = bytes_.word(8);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return printed("%.17g", value);
      }
      case 4:
        return std::to_string(static_cast<std::int16_t>(bytes_.word(2)));
      case 5:
        return printed("%g", std::ldexp(1.0, static_cast<int>(bytes_.byte()) * 8 - 1024));
      case 6: {  // the own answer scaled
        const double factor = std::ldexp(1.0 + bytes_.byte() / 64.0, bytes_.byte() % 64 - 32);
        if (!own) return own;
        const double value = std::strtod(own->c_str(), nullptr);
        return printed("%.10g", value * factor);
      }
      case 7:
        return own ? *own + std::string(bytes_.byte() % 3, ' ') + "e1" : own;
      case 8: {
        std::string text;
        for (int length = bytes_.byte() % 24; length > 0; --length) {
          text += static_cast<char>(bytes_.byte());
        }
        return withoutNumberWords(text);
      }
      case 9:
        return std::string(static_cast<std::size_t>(bytes_.byte()) * 400, 'x');
      case 10:
        return "-" + own.value_or("1");
      default:
        return std::string("\x1b\t\r\n", bytes_.byte() % 4 + 1);
    }
  }

  Bytes& bytes_;
  std::vector<std::string> script_;
  std::size_t next_ = 0;
  int asked_ = 0;
};

bool holdsNonFinite(const std::string& text) {
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos ||
         text.find("NaN") != std::string::npos;
}

class CheckingWindow : public korvelin::ResultWindow {
 public:
  void setText(TextBox box, const std::string& text) override {
    if (holdsNonFinite(text)) {
      std::fprintf(stderr, "Text%d: %s\n", static_cast<int>(box), text.c_str());
      std::abort();
    }
  }
  void showMessage(MessageKind kind, const std::string&) override {
    if (kind == MessageKind::Fault) ++faults;
  }
  int faults = 0;
};

void checkReport(const korvelin::testing::RecordingPrinter& printer, int n) {
  for (const auto& line : printer.lines) {
    if (holdsNonFinite(line)) {
      std::fprintf(stderr, "report: %s\n", line.c_str());
      std::abort();
    }
  }
  if (printer.lines.size() != static_cast<std::size_t>(3 * n + 39)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  const int n = 4 + bytes.byte() % 9;
  const auto network = korvelin::testing::makeNetwork(n, bytes.byte());
  FuzzPrompt prompt(bytes, korvelin::testing::answersFor(network, 0.003, 1));
  CheckingWindow window;
  korvelin::testing::RecordingPrinter printer;
  korvelin::Commands commands(prompt, window, printer);
  int completeN = 0;
  for (int run = 0; run < 2; ++run) {
    const int faultsBefore = window.faults;
    const auto outcome = commands.command1();
    if (outcome == korvelin::RunOutcome::Failed && window.faults != faultsBefore + 1) std::abort();
    if (outcome == korvelin::RunOutcome::Complete) completeN = commands.job().n;
    printer.lines.clear();
    commands.command3();
    if (completeN) checkReport(printer, completeN);
    if (bytes.empty()) break;
  }
  return 0;
}
