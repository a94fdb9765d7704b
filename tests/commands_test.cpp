// Command1 and Command3 over one record: whole runs, runs in a row, failed and cancelled runs.
#include "app/commands.h"

#include <gtest/gtest.h>

#include "network_fixture.h"
#include "output/result_display.h"

namespace korvelin {
namespace {

using testing::kCancel;
using testing::RecordingPrinter;
using testing::RecordingWindow;
using testing::ScriptedPrompt;
using Answers = std::vector<std::optional<std::string>>;

Answers runAnswers(int n, unsigned seed, double noise = 0.003) {
  const auto answers = testing::answersFor(testing::makeNetwork(n, seed), noise, seed);
  return {answers.begin(), answers.end()};
}

struct Desk {
  explicit Desk(Answers answers) : prompt(std::move(answers)) {}
  ScriptedPrompt prompt;
  RecordingWindow window;
  RecordingPrinter printer;
  Commands commands{prompt, window, printer};
};

Answers joined(std::initializer_list<Answers> parts) {
  Answers all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(CommandsTest, WholeRunEndsShowingC) {
  Desk desk(runAnswers(6, 1));
  EXPECT_EQ(desk.commands.command1(), RunOutcome::Complete);
  EXPECT_EQ(desk.prompt.asked.size(), 39u + 6);
  EXPECT_TRUE(desk.prompt.exhausted());
  const auto& job = desk.commands.job();
  EXPECT_EQ(desk.window.text(TextBox::Text17), "现在显示C点的座标");
  EXPECT_EQ(desk.window.text(TextBox::Text14), " C");
  EXPECT_EQ(desk.window.text(TextBox::Text28), " P2");
  EXPECT_EQ(desk.window.text(TextBox::Text29), " P3");
  // C as reached by the traverse, to the printed millimetre.
  char expected[32];
  std::snprintf(expected, sizeof expected, " %.3f", job.xc);
  EXPECT_EQ(desk.window.text(TextBox::Text15), expected);
  for (auto box : {TextBox::Text13, TextBox::Text19, TextBox::Text22, TextBox::Text27}) {
    const auto text = desk.window.text(box);
    EXPECT_EQ(text.front(), ' ');
    EXPECT_EQ(text.substr(text.size() - 6), "毫米");
  }
  EXPECT_TRUE(desk.window.messages.empty());
}

TEST(CommandsTest, PauseAnswersAreIgnored) {
  auto answers = runAnswers(4, 2);
  answers[answers.size() - 4] = kCancel;
  answers[answers.size() - 2] = "anything";
  Desk desk(answers);
  EXPECT_EQ(desk.commands.command1(), RunOutcome::Complete);
  EXPECT_EQ(desk.window.text(TextBox::Text14), " C");
}

TEST(CommandsTest, SecondSmallerRunStartsFromNothing) {
  Desk desk(joined({runAnswers(7, 3), runAnswers(4, 4)}));
  ASSERT_EQ(desk.commands.command1(), RunOutcome::Complete);
  desk.commands.command3();
  const std::size_t firstLines = desk.printer.lines.size();
  ASSERT_EQ(desk.commands.command1(), RunOutcome::Complete);
  const auto& job = desk.commands.job();
  EXPECT_EQ(job.S.size(), 10u);
  EXPECT_EQ(job.pointNames.size(), 4u);
  EXPECT_EQ(job.x.size(), 4u);
  desk.commands.command3();
  EXPECT_EQ(firstLines, 3u * 7 + 39);
  EXPECT_EQ(desk.printer.lines.size() - firstLines, 3u * 4 + 39);
  EXPECT_EQ(desk.printer.documents, 2);
}

TEST(CommandsTest, PrintingBeforeAnyRunPrintsNothing) {
  Desk desk({});
  desk.commands.command3();
  EXPECT_EQ(desk.printer.documents, 0);
  ASSERT_EQ(desk.window.messages.size(), 1u);
  EXPECT_EQ(desk.window.messages[0].first, MessageKind::Notice);
}

TEST(CommandsTest, CancelledRunLeavesNoStaleResultsAndKeepsTheLastReport) {
  auto second = runAnswers(5, 6);
  second.resize(7);  // n, xa, ya, xb with their confirmations, then yb is cancelled, twice
  second.insert(second.end(), {kCancel, kCancel});
  Desk desk(joined({runAnswers(6, 5), second}));
  ASSERT_EQ(desk.commands.command1(), RunOutcome::Complete);
  desk.commands.command3();
  const auto firstReport = desk.printer.lines;
  const auto writesBefore = desk.window.writes.size();
  EXPECT_EQ(desk.commands.command1(), RunOutcome::Cancelled);
  EXPECT_EQ(desk.prompt.asked.back(), "确认中止本次计算 ?  中止再按 Esc 键;  继续输入按 Enter 键");
  EXPECT_EQ(desk.window.text(TextBox::Text7), "中心多边形有5个三角形");
  // Every result box emptied, in order, before the notice.
  std::vector<std::pair<TextBox, std::string>> cleared(desk.window.writes.begin() + writesBefore,
                                                       desk.window.writes.end());
  cleared.erase(cleared.begin(), cleared.end() - std::size(kResultBoxes));
  for (std::size_t k = 0; k < cleared.size(); ++k) {
    EXPECT_EQ(cleared[k], std::make_pair(kResultBoxes[k], std::string()));
  }
  ASSERT_EQ(desk.window.messages.size(), 1u);
  EXPECT_EQ(desk.window.messages[0].first, MessageKind::Notice);
  desk.printer.lines.clear();
  desk.commands.command3();
  EXPECT_EQ(desk.printer.lines, firstReport);
}

TEST(CommandsTest, GrossMisclosureFailsAfterShowingIt) {
  // Peripheral points entered counter-clockwise: B and C swapped.
  auto network = testing::makeNetwork(6, 8);
  std::swap(network.Q[0], network.Q[5]);
  std::swap(network.Q[1], network.Q[4]);
  std::swap(network.Q[2], network.Q[3]);
  const auto wrong = testing::answersFor(network, 0, 0);
  Desk desk(joined({runAnswers(6, 9), {wrong.begin(), wrong.end()}}));
  ASSERT_EQ(desk.commands.command1(), RunOutcome::Complete);
  desk.commands.command3();
  const auto firstReport = desk.printer.lines;
  EXPECT_EQ(desk.commands.command1(), RunOutcome::Failed);
  ASSERT_EQ(desk.window.messages.size(), 1u);
  EXPECT_EQ(desk.window.messages[0].first, MessageKind::Fault);
  EXPECT_NE(desk.window.messages[0].second.find("闭合差过大"), std::string::npos);
  // The misclosures that this run formed stay; every other result of the first run is emptied.
  EXPECT_NE(desk.window.text(TextBox::Text10), "");
  EXPECT_NE(desk.window.text(TextBox::Text12), "");
  for (const auto box : {TextBox::Text13, TextBox::Text15, TextBox::Text16, TextBox::Text18,
                         TextBox::Text28, TextBox::Text29}) {
    EXPECT_EQ(desk.window.text(box), "") << textBoxName(box);
  }
  desk.printer.lines.clear();
  desk.commands.command3();
  EXPECT_EQ(desk.printer.lines, firstReport);
}

}  // namespace
}  // namespace korvelin
