// Answers that cannot be taken, and networks at the edges of what the program holds: each case
// shows its message and asks again or ends the run, and the next run and its report are right.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "app/commands.h"
#include "network_fixture.h"

namespace korvelin {
namespace {

using testing::kCancel;
using Answers = std::vector<std::optional<std::string>>;

// Sides observed with noise of 3 mm for each kilometre of the network's size.
Answers answersOf(const testing::TrueNetwork& network, double scale = 1,
                  testing::Digits digits = testing::Digits::AsTyped) {
  const auto answers = testing::answersFor(network, 0.003 * scale, 4, digits);
  return {answers.begin(), answers.end()};
}

const testing::TrueNetwork kNetwork = testing::makeNetwork(6, 77);

// Positions in the answers of a 6-triangle run.
constexpr std::size_t kN = 0, kXa = 1, kYa = 3, kXb = 5, kYb = 7, kXc = 9, kNames = 13, kS1 = 19,
                      kS5 = 25;

struct BadInputCase {
  const char* name;
  std::function<Answers()> answers;
  RunOutcome outcome;
  const char* message;  // a part of the one message shown, or nullptr for none
};

std::ostream& operator<<(std::ostream& out, const BadInputCase& c) {
  return out << c.name;
}

Answers with(std::size_t at, Answers inserted, Answers answers = answersOf(kNetwork)) {
  answers.insert(answers.begin() + at, inserted.begin(), inserted.end());
  return answers;
}

Answers replaced(std::size_t at, std::optional<std::string> answer) {
  auto answers = answersOf(kNetwork);
  answers[at] = std::move(answer);
  return answers;
}

std::string controlCharacters() {
  return std::string("A\x01\x1b[2J\x7f\t\r") + '\0' + "B";
}

const BadInputCase kCases[] = {
    {"word_for_n", [] { return with(kN, {"六"}); }, RunOutcome::Complete, "有效数值"},
    {"empty_for_n", [] { return with(kN, {""}); }, RunOutcome::Complete, "有效数值"},
    {"n_too_small", [] { return with(kN, {"3"}); }, RunOutcome::Complete, "4 到 16383"},
    {"n_too_large", [] { return with(kN, {"16384"}); }, RunOutcome::Complete, "16384"},
    {"n_beyond_16_bits", [] { return with(kN, {"70000"}); }, RunOutcome::Complete, "70000"},
    {"decimal_comma", [] { return with(kXa, {"1,5"}); }, RunOutcome::Complete, "1,5"},
    {"nan", [] { return with(kXa, {"nan"}); }, RunOutcome::Complete, "nan"},
    {"inf", [] { return with(kYb, {"-inf"}); }, RunOutcome::Complete, "inf"},
    {"overflowing_number", [] { return with(kS1, {"1e999"}); }, RunOutcome::Complete, "1e999"},
    {"word_for_confirm", [] { return with(kXa + 1, {"是"}); }, RunOutcome::Complete, "Enter"},
    {"zero_side", [] { return with(kS1, {"0"}); }, RunOutcome::Complete, "S(1) = 0"},
    {"negative_side", [] { return with(kS5, {"-12.5"}); }, RunOutcome::Complete, "S(5) = -12.5"},
    {"side_too_long",
     [] {
       // S(5) confirmed, then S(3) and S(4) kept at their offers, and S(5) typed anew.
       return with(kS5, {"99999", "", "", ""});
     },
     RunOutcome::Complete, "第 2 个三角形"},
    {"known_points_coincide",
     [] {
       // B typed with A's coordinates, then asked again.
       auto answers = answersOf(kNetwork);
       const auto xb = answers[kXb], yb = answers[kYb];
       answers[kXb] = answers[kXa];
       answers[kYb] = answers[kYa];
       return with(kXc, {xb, "", yb, ""}, answers);
     },
     RunOutcome::Complete, "S(2) = 0"},
    {"cancelled_coordinate",
     [] {
       return with(kXc, {kCancel, kCancel});
     },
     RunOutcome::Cancelled, "已中止"},
    {"cancelled_side",
     [] {
       return with(kS5, {kCancel, kCancel});
     },
     RunOutcome::Cancelled, "已中止"},
    {"cancel_then_enter",
     [] {
       return with(kS5, {kCancel, ""});
     },
     RunOutcome::Complete, nullptr},
    {"long_name", [] { return replaced(kNames + 2, std::string(100000, 'N')); },
     RunOutcome::Complete, nullptr},
    {"name_with_control_characters", [] { return replaced(kNames + 3, controlCharacters()); },
     RunOutcome::Complete, nullptr},
    {"counter_clockwise",
     [] {
       auto network = kNetwork;
       std::reverse(network.Q.begin(), network.Q.end());
       std::rotate(network.Q.begin(), network.Q.end() - 2, network.Q.end());
       return answersOf(network);
     },
     RunOutcome::Failed, "闭合差过大"},
    {"coordinates_of_1e15",
     [] {
       return answersOf(testing::scaled(kNetwork, 1, {1e15, 1e15}));
     },
     RunOutcome::Complete, nullptr},
    {"sides_of_a_micrometre",
     [] { return answersOf(testing::scaled(kNetwork, 1e-9), 1e-9, testing::Digits::Full); },
     RunOutcome::Complete, nullptr},
    {"sides_of_ten_thousand_kilometres",
     [] { return answersOf(testing::scaled(kNetwork, 1e4), 1e4, testing::Digits::Full); },
     RunOutcome::Complete, nullptr},
};

class BadInputTest : public ::testing::TestWithParam<BadInputCase> {};

std::vector<std::string> reportOf(const Answers& answers) {
  testing::ScriptedPrompt prompt(answers);
  testing::RecordingWindow window;
  testing::RecordingPrinter printer;
  Commands commands(prompt, window, printer);
  EXPECT_EQ(commands.command1(), RunOutcome::Complete);
  commands.command3();
  return printer.lines;
}

TEST_P(BadInputTest, ShowsItsMessageAndTheNextRunIsRight) {
  const auto& c = GetParam();
  const Answers bad = c.answers();
  const Answers next = answersOf(testing::makeNetwork(5, 78));
  Answers all = bad;
  all.insert(all.end(), next.begin(), next.end());
  if (c.outcome == RunOutcome::Cancelled) {
    // The rest of the cancelled run's answers are not asked.
    all = Answers(bad.begin(), std::find(bad.begin(), bad.end(), kCancel) + 2);
    all.insert(all.end(), next.begin(), next.end());
  }

  testing::ScriptedPrompt prompt(all);
  testing::RecordingWindow window;
  testing::RecordingPrinter printer;
  Commands commands(prompt, window, printer);
  EXPECT_EQ(commands.command1(), c.outcome);
  if (c.message) {
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].second.find(c.message), std::string::npos)
        << window.messages[0].second;
    const MessageKind kind = c.outcome == RunOutcome::Failed      ? MessageKind::Fault
                             : c.outcome == RunOutcome::Cancelled ? MessageKind::Notice
                                                                  : MessageKind::InvalidInput;
    EXPECT_EQ(window.messages[0].first, kind);
  } else {
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].second;
  }
  if (c.outcome == RunOutcome::Complete) {
    commands.command3();
    EXPECT_EQ(printer.lines.size(), 3u * 6 + 39);
    printer.lines.clear();
  }
  for (const auto& [box, text] : window.writes) {
    EXPECT_EQ(text.find("nan"), std::string::npos) << textBoxName(box) << ": " << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << textBoxName(box) << ": " << text;
  }

  ASSERT_EQ(commands.command1(), RunOutcome::Complete);
  EXPECT_TRUE(prompt.exhausted());
  commands.command3();
  EXPECT_EQ(printer.lines, reportOf(next));
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadInputTest, NamesAreKeptAsTyped) {
  auto answers = answersOf(kNetwork);
  answers[kNames + 2] = std::string(100000, 'N');
  answers[kNames + 3] = controlCharacters();
  testing::ScriptedPrompt prompt(answers);
  testing::RecordingWindow window;
  testing::RecordingPrinter printer;
  Commands commands(prompt, window, printer);
  ASSERT_EQ(commands.command1(), RunOutcome::Complete);
  EXPECT_EQ(window.text(TextBox::Text28), ' ' + std::string(100000, 'N'));
  EXPECT_EQ(window.text(TextBox::Text29), ' ' + controlCharacters());
  commands.command3();
  const auto& lines = printer.lines;
  EXPECT_NE(
      std::find(lines.begin(), lines.end(), std::string(23, ' ') + "待定点" + controlCharacters()),
      lines.end());
}

}  // namespace
}  // namespace korvelin
