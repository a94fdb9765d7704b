// Whole runs driven from the input bytes, aware of what each prompt asks. The first bytes of a run
// pick a network (n from 4 to a few hundred, and a seed); the prompt then answers every prompt by
// its text with the network's right answer, and each later byte decides whether a hostile answer
// goes in first, as a slip before its correction: an empty answer, a word, Cancel followed by
// Enter or by a second Cancel, a number of any shape, a value typed wrong and confirmed (which the
// triangle check then offers again), full-width digits, a rejection at the confirm. When the bytes
// run out every answer is the right one, so that runs still complete; bytes left after a run start
// a second and a third.
//
// Checks: a run ends complete, cancelled, or failed with one message; a run given no wrong value
// to keep and not cancelled completes; no text the program writes holds a NaN or an infinity; a
// complete run's report has 3n + 39 lines. Raw text and names never spell "nan" or "inf", so that
// any such text in the output came from a number.
//
// Built twice: for libFuzzer (scripts/fuzz, clang) and, with a plain main, as a replay of the
// files and folders given on the command line (the seed corpus, run by ctest). Both print how
// many runs ran and how many completed.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "entry/answer_reading.h"
#include "network_fixture.h"
#include "output/result_display.h"

namespace {

using korvelin::MessageKind;
using korvelin::RunOutcome;
using korvelin::TextBox;

struct Statistics {
  long runs = 0, complete = 0, cancelled = 0, failed = 0, stopped = 0;
  long offers = 0, abortQuestions = 0, fullWidth = 0, slipsKept = 0, laterRuns = 0;

  void print() const {
    std::fprintf(stderr,
                 "fuzz runs: %ld, complete: %ld (%.1f%%), cancelled: %ld, failed: %ld, "
                 "stopped: %ld; offers %ld, cancel questions %ld, full-width answers %ld, "
                 "wrong values kept %ld, second or third runs %ld\n",
                 runs, complete, runs ? 100.0 * complete / runs : 0.0, cancelled, failed, stopped,
                 offers, abortQuestions, fullWidth, slipsKept, laterRuns);
  }
};

Statistics statistics;

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

// The answer as a Chinese input method types it: full-width digits, ． or 。, －.
std::string fullWidth(const std::string& ascii, bool ideographicStop) {
  std::string wide;
  for (const char c : ascii) {
    if (c >= '0' && c <= '9') {
      wide += "\xEF\xBC";
      wide += static_cast<char>(0x90 + (c - '0'));
    } else if (c == '.') {
      wide += ideographicStop ? "。" : "．";
    } else if (c == '-') {
      wide += "－";
    } else {
      wide += c;
    }
  }
  return wide;
}

bool startsWith(const std::string& text, std::string_view head) {
  return text.rfind(head, 0) == 0;
}

constexpr std::string_view kSidePrompt = "请输入 S(";
constexpr std::string_view kSideOffer = "重新输入 S(";

// What a prompt asks for: the number of triangles, a coordinate row 0 … 5 (xa … yc), or side i.
constexpr int kCount = -1;
int sideItem(int i) {
  return 100 + i;
}
bool isSide(int item) {
  return item >= 100;
}

const char* const kCoordinatePrompts[] = {
    "请输入已知点 A 的纵座标 :", "请输入已知点 A 的横座标 :", "请输入已知点 B 的纵座标 :",
    "请输入已知点 B 的横座标 :", "请输入已知点 C 的纵座标 :", "请输入已知点 C 的横座标 :",
};
const char* const kCoordinateOffers[] = {
    "重新输入已知点 A 的纵座标", "重新输入已知点 A 的横座标", "重新输入已知点 B 的纵座标",
    "重新输入已知点 B 的横座标", "重新输入已知点 C 的纵座标", "重新输入已知点 C 的横座标",
};

struct Ended {};  // the prompts of one input are bounded

class FuzzPrompt : public korvelin::Prompt {
 public:
  FuzzPrompt(Bytes& bytes) : bytes_(bytes) {}

  void startRun(const korvelin::testing::TrueNetwork& network) {
    const auto answers = korvelin::testing::answersFor(network, 0.003, 1);
    const int n = network.n();
    right_.clear();
    right_[kCount] = answers[0];
    for (int row = 0; row < 6; ++row) right_[row] = answers[1 + 2 * row];
    names_.assign(answers.begin() + 13, answers.begin() + 13 + n);
    std::size_t at = 13 + n;
    for (int i = 1; i <= 2 * n - 1; ++i) {
      if (i == 2) continue;
      right_[sideItem(i)] = answers[at];
      at += 2;
    }
    wrong_.clear();
    nextName_ = 0;
    item_ = kCount;
    slipKept = false;
    cancelled = false;
  }

  std::optional<std::string> ask(const std::string& text) override {
    if (++asked_ > 200000) throw Ended{};
    if (text.find("错误按零") != std::string::npos) return confirmAnswer();
    if (startsWith(text, "确认中止本次计算")) return abortAnswer();
    if (text.find("点名") != std::string::npos) return nameAnswer();
    if (text == korvelin::kPausePrompt) return hostile() ? rawText() : "";
    if (startsWith(text, "重新输入")) return offerAnswer(text);
    return numberAnswer(text);
  }

  bool slipKept = false;   // a wrong value confirmed in this run
  bool cancelled = false;  // Cancel confirmed in this run

 private:
  // Whether the next answer is a hostile one: about one in eight while bytes last.
  bool hostile() { return !bytes_.empty() && bytes_.byte() >= 224; }

  std::string rawText() {
    std::string text;
    for (int length = bytes_.byte() % 24; length > 0; --length) {
      text += static_cast<char>(bytes_.byte());
    }
    return withoutNumberWords(text);
  }

  // The right answer, now and then typed full-width.
  std::string right(int item) {
    const std::string& value = right_[item];
    if (bytes_.empty() || bytes_.byte() < 200) return value;
    ++statistics.fullWidth;
    return "\u3000" + fullWidth(value, bytes_.byte() % 2) + "\u3000";
  }

  // A value typed wrong: ten times too long, a digit too many in a coordinate, or any number.
  std::string slip(int item) {
    const double value = std::strtod(right_[item].c_str(), nullptr);
    switch (bytes_.byte() % 4) {
      case 0:
        return printed("%.4f", value * 10);
      case 1:
        return printed("%.3f", value + 9000);
      case 2:
        return printed("%.3f", value / 10);
      default: {
        const std::uint64_t bits = bytes_.word(8);
        double any;
        std::memcpy(&any, &bits, sizeof any);
        return printed("%.17g", any);
      }
    }
  }

  // Whether the program takes this answer as the value of the item.
  bool taken(int item, const std::string& answer) const {
    const auto value = korvelin::readDecimal(answer);
    return value && (!isSide(item) || *value > 0);
  }

  void typed(int item, const std::string& answer) {
    if (item == kCount || !taken(item, answer)) return;
    const auto value = korvelin::readDecimal(answer);
    if (*value == *korvelin::readDecimal(right_[item])) {
      wrong_.erase(item);
    } else {
      wrong_[item] = true;
    }
  }

  // A prompt for a number: the count, a coordinate or a side, first entry or re-entry.
  std::optional<std::string> numberAnswer(const std::string& text) {
    for (int row = 0; row < 6; ++row) {
      if (text == kCoordinatePrompts[row]) item_ = row;
    }
    if (startsWith(text, "请输入三角形的个数")) item_ = kCount;
    if (startsWith(text, kSidePrompt))
      item_ = sideItem(std::atoi(text.c_str() + kSidePrompt.size()));
    if (startsWith(text, "输入正确的 S(1)")) item_ = sideItem(1);
    std::optional<std::string> answer = hostile() ? hostileNumber() : right(item_);
    if (answer) typed(item_, *answer);
    return answer;
  }

  std::optional<std::string> hostileNumber() {
    switch (bytes_.byte() % 8) {
      case 0:
        return "";
      case 1:
        return rawText();
      case 2:
        return std::nullopt;  // Cancel: the question that follows is answered from the bytes
      case 3:
        return std::string(static_cast<std::size_t>(bytes_.byte()) * 400, 'x');
      case 4:
        return "0";
      default:
        // A count out of range is asked again; one in range would be another network.
        if (item_ == kCount) return bytes_.byte() % 2 ? "16384" : "3.4";
        return slip(item_);
    }
  }

  // Confirms, or rejects a wrong value (most of the time) so that its re-entry corrects it.
  std::optional<std::string> confirmAnswer() {
    const bool wrong = wrong_.count(item_) > 0;
    if (wrong && bytes_.byte() % 4 != 3) return bytes_.byte() % 2 ? "0" : "０";
    if (wrong) {
      slipKept = true;
      ++statistics.slipsKept;
    }
    if (!hostile()) return "";
    switch (bytes_.byte() % 5) {
      case 0:
        return std::nullopt;  // Cancel confirms
      case 1:
        return rawText();
      case 2:
        return " 5 ";
      default:
        return "\u3000";
    }
  }

  // Cancel followed by Enter (mostly) or by a second Cancel.
  std::optional<std::string> abortAnswer() {
    ++statistics.abortQuestions;
    if (!bytes_.empty() && bytes_.byte() < 64) {
      cancelled = true;
      return std::nullopt;
    }
    return bytes_.byte() % 2 ? "" : "继续";
  }

  std::optional<std::string> nameAnswer() {
    if (hostile()) return rawText();
    return nextName_ < names_.size() ? names_[nextName_++] : "P";
  }

  // An offer of a triangle that cannot close: a wrong value is typed right (after a hostile
  // answer now and then); a right one is kept by Enter, blanks or Cancel, or typed again.
  std::optional<std::string> offerAnswer(const std::string& text) {
    ++statistics.offers;
    for (int row = 0; row < 6; ++row) {
      if (startsWith(text, kCoordinateOffers[row])) item_ = row;
    }
    if (startsWith(text, kSideOffer)) item_ = sideItem(std::atoi(text.c_str() + kSideOffer.size()));
    if (hostile()) {
      switch (bytes_.byte() % 4) {
        case 0:
          return rawText();
        case 1:
          return isSide(item_) ? "-1" : rawText();
        default:
          return std::nullopt;  // keeps the value, also a wrong one
      }
    }
    if (wrong_.count(item_)) {
      const std::string answer = right(item_);
      typed(item_, answer);
      return answer;
    }
    switch (bytes_.byte() % 4) {
      case 0:
        return std::nullopt;
      case 1:
        return "\u3000";
      case 2:
        return right(item_);
      default:
        return "";
    }
  }

  Bytes& bytes_;
  std::map<int, std::string> right_;
  std::map<int, bool> wrong_;
  std::vector<std::string> names_;
  std::size_t nextName_ = 0;
  int item_ = kCount;
  long asked_ = 0;
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
  void showMessage(MessageKind kind, const std::string& text) override {
    if (kind == MessageKind::Fault) ++faults;
    lastMessage = text;
  }
  int faults = 0;
  std::string lastMessage;
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

// n from 4 to 19 mostly, up to 300 for one network in eight.
int triangleCount(Bytes& bytes) {
  const std::uint8_t pick = bytes.byte();
  return pick >= 224 ? 4 + static_cast<int>(bytes.word(2) % 297) : 4 + pick % 16;
}

void count(RunOutcome outcome) {
  ++statistics.runs;
  switch (outcome) {
    case RunOutcome::Complete:
      ++statistics.complete;
      break;
    case RunOutcome::Cancelled:
      ++statistics.cancelled;
      break;
    case RunOutcome::Failed:
      ++statistics.failed;
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool printsAtExit = std::atexit([] { statistics.print(); }) == 0;
  (void)printsAtExit;
  Bytes bytes(data, size);
  FuzzPrompt prompt(bytes);
  CheckingWindow window;
  korvelin::testing::RecordingPrinter printer;
  korvelin::Commands commands(prompt, window, printer);
  int completeN = 0;
  for (int run = 0; run < 3; ++run) {
    const int n = triangleCount(bytes);
    prompt.startRun(korvelin::testing::makeNetwork(n, bytes.byte()));
    if (run > 0) ++statistics.laterRuns;
    const int faultsBefore = window.faults;
    RunOutcome outcome;
    try {
      outcome = commands.command1();
    } catch (const Ended&) {
      ++statistics.runs;
      ++statistics.stopped;
      return 0;
    }
    count(outcome);
    if (outcome == RunOutcome::Failed && window.faults != faultsBefore + 1) std::abort();
    if (outcome == RunOutcome::Cancelled && !prompt.cancelled) std::abort();
    if (outcome != RunOutcome::Complete && !prompt.slipKept && !prompt.cancelled) {
      std::fprintf(stderr, "a run of right values (n = %d) ended %s: %s\n", n,
                   outcome == RunOutcome::Failed ? "failed" : "cancelled",
                   window.lastMessage.c_str());
      std::abort();
    }
    if (outcome == RunOutcome::Complete) completeN = commands.job().n;
    printer.lines.clear();
    commands.command3();
    if (completeN) checkReport(printer, completeN);
    if (bytes.empty()) break;
  }
  return 0;
}

#ifndef KORVELIN_LIBFUZZER
// Without libFuzzer: every file given, and every file in every folder given, is one input.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int k = 1; k < argc; ++k) {
    const std::filesystem::path path(argv[k]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::directory_iterator(path)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else {
      inputs.push_back(path);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  for (const auto& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::vector<char> data{std::istreambuf_iterator<char>(file), {}};
    if (!file.eof() && !file) {
      std::fprintf(stderr, "cannot read %s\n", input.string().c_str());
      return 2;
    }
    std::fprintf(stderr, "%s\n", input.string().c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
  }
  return inputs.empty() ? 2 : 0;
}
#endif
