// The data entry through a scripted prompt: texts, echoes, confirmations and re-entries, and
// answers that cannot be taken.
#include "entry/data_entry.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>

#include "network_fixture.h"

namespace korvelin {
namespace {

using testing::kCancel;
using testing::RecordingWindow;
using testing::ScriptedPrompt;
using Answers = std::vector<std::optional<std::string>>;

constexpr const char* kC1 = "确认纵座标输入是否正确 ?  正确按 Enter 键;  错误按零( 即为:0 )";
constexpr const char* kC2 = "确认横座标输入是否正确 ?  正确按 Enter 键;  错误按零( 即为:0 )";
constexpr const char* kC3 =
    "确认纵座标输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )";
constexpr const char* kC4 =
    "确认横座标输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )";

// The answers of the data entry alone (no pause prompts) for a 6-triangle network.
Answers entryAnswers(int n = 6) {
  auto answers = testing::answersFor(testing::makeNetwork(n, 21), 0.002, 3);
  answers.resize(answers.size() - n);
  return {answers.begin(), answers.end()};
}

// Index of the first answer of a value in entryAnswers(): n, then value/confirm pairs.
std::size_t coordinateAnswer(int row) {
  return 1 + 2 * row;
}

struct Entered {
  ScriptedPrompt prompt;
  RecordingWindow window;
  PolygonJob job;
  RunTables tables = startRun();
  bool cancelled = false;
};

std::unique_ptr<Entered> enter(Answers answers) {
  auto e = std::make_unique<Entered>(Entered{ScriptedPrompt(std::move(answers)), {}, {}});
  try {
    enterData(e->prompt, e->window, e->job, e->tables);
  } catch (const RunCancelled&) {
    e->cancelled = true;
  }
  return e;
}

std::vector<std::string> textsOf(const RecordingWindow& window, TextBox box) {
  std::vector<std::string> texts;
  for (const auto& [b, t] : window.writes) {
    if (b == box) texts.push_back(t);
  }
  return texts;
}

TEST(DataEntryTest, SixTrianglesAsk39Prompts) {
  const auto e = enter(entryAnswers());
  EXPECT_EQ(e->prompt.asked.size(), 39u);
  EXPECT_TRUE(e->prompt.exhausted());
  EXPECT_EQ(e->job.n, 6);
  EXPECT_EQ(e->window.text(TextBox::Text7), "中心多边形有6个三角形");
  const std::vector<std::string> firstPrompts{"请输入三角形的个数:",
                                              "请输入已知点 A 的纵座标 :",
                                              kC1,
                                              "请输入已知点 A 的横座标 :",
                                              kC2,
                                              "请输入已知点 B 的纵座标 :",
                                              kC3,
                                              "请输入已知点 B 的横座标 :",
                                              kC4,
                                              "请输入已知点 C 的纵座标 :",
                                              kC3,
                                              "请输入已知点 C 的横座标 :",
                                              kC4,
                                              "现在输入已知点 A 的点名 :",
                                              "现在输入中心点的点名 :",
                                              "现在按外围依次输入第 2 个待定点的点名是"};
  EXPECT_TRUE(std::equal(firstPrompts.begin(), firstPrompts.end(), e->prompt.asked.begin()));
  EXPECT_EQ(e->prompt.asked[19], "请输入 S(1) 边长 :");
  EXPECT_EQ(e->prompt.asked[20],
            "确认输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )");
  EXPECT_EQ(e->prompt.asked[21], "请输入 S(3) 边长 :");
  EXPECT_EQ(e->prompt.asked[22],
            "确认S(3) 输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )");
  EXPECT_EQ(e->prompt.asked[37], "请输入 S(11) 边长 :");
  EXPECT_EQ(textsOf(e->window, TextBox::Text8).front(), "现在输入 S(1) 边");
  EXPECT_EQ(textsOf(e->window, TextBox::Text8).back(), "现在输入 S(11) 边长");
  EXPECT_EQ(textsOf(e->window, TextBox::Text9).front().substr(0, 3), "s1=");
}

TEST(DataEntryTest, FourTrianglesAskOneNewPoint) {
  const auto e = enter(entryAnswers(4));
  const auto& asked = e->prompt.asked;
  EXPECT_EQ(asked.size(), 1u + 12 + 4 + 12);
  EXPECT_EQ(std::count_if(asked.begin(), asked.end(),
                          [](const std::string& p) { return p.find("个待定点") != p.npos; }),
            1);
  EXPECT_EQ(asked.back(), "确认S(7) 输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )");
}

// A value near the answer's, so that the network still holds together, with few decimals.
std::string nearby(const std::optional<std::string>& answer, const char* decimals) {
  return std::to_string(static_cast<long long>(std::stod(*answer))) + decimals;
}

TEST(DataEntryTest, EchoesInTheirPatterns) {
  auto answers = entryAnswers();
  const std::size_t s5 = 19 + 2 * 3;
  answers[coordinateAnswer(0)] = nearby(answers[coordinateAnswer(0)], ".5");
  answers[s5] = nearby(answers[s5], ".45");
  const auto e = enter(answers);
  EXPECT_EQ(textsOf(e->window, TextBox::Text1),
            std::vector<std::string>{' ' + *answers[coordinateAnswer(0)] + "00"});
  EXPECT_EQ(textsOf(e->window, TextBox::Text9)[3], " s" + *answers[s5] + "00");
}

TEST(DataEntryTest, NamesAndTheirExplanations) {
  auto answers = entryAnswers();
  answers[13] = "";       // A's name may be empty
  answers[14] = kCancel;  // a cancelled name is an empty name
  const auto e = enter(answers);
  EXPECT_EQ(e->job.pointNames[0], "");
  EXPECT_EQ(e->job.pointNames[1], "");
  // Text17 before or after the name prompt, Text14 the echo with its blank.
  std::vector<std::string> names;
  for (const auto& [box, text] : e->window.writes) {
    if (box == TextBox::Text17 || box == TextBox::Text14) names.push_back(text);
  }
  const std::vector<std::string> expected{
      "已知点 A 的点名是",    " ",   "中心点的点名是",       " ",   "第2 个待定点的点名是", " P2",
      "第3 个待定点的点名是", " P3", "第4 个待定点的点名是", " P4", "已知点 C 的点名是",    " C"};
  EXPECT_EQ(names, expected);
}

TEST(DataEntryTest, ReenteredCoordinatesClearTheirEcho) {
  const auto original = entryAnswers();
  const std::string xa = *original[coordinateAnswer(0)], ya = *original[coordinateAnswer(1)];
  const std::string xb = *original[coordinateAnswer(2)];
  Answers answers(original.begin(), original.begin() + coordinateAnswer(0));
  // xa rejected twice, ya once, xb once.
  answers.insert(answers.end(),
                 {"1", "0", "2", "0.000", xa, "", ya, " 0 ", ya, "", "3", "-0", xb, ""});
  answers.insert(answers.end(), original.begin() + coordinateAnswer(3), original.end());
  const auto e = enter(answers);
  EXPECT_EQ(e->prompt.asked.size(), 39u + 8);
  const std::vector<std::string> text1{" 1.000", " ", " 2.000", " ", ' ' + xa};
  EXPECT_EQ(textsOf(e->window, TextBox::Text1), text1);
  const std::vector<std::string> text2{' ' + ya, "", ' ' + ya};
  EXPECT_EQ(textsOf(e->window, TextBox::Text2), text2);
  const std::vector<std::string> text3{" 3.000", "", ' ' + xb};
  EXPECT_EQ(textsOf(e->window, TextBox::Text3), text3);
  EXPECT_EQ(e->job.xa, std::stod(xa));
  const auto& asked = e->prompt.asked;
  const std::vector<std::string> expected{
      "请输入三角形的个数:",
      "请输入已知点 A 的纵座标 :",
      kC1,
      "输入正确的纵座标 :",
      kC1,
      "输入正确的纵座标 :",
      kC1,
      "请输入已知点 A 的横座标 :",
      kC2,
      "输入 正确的横座标 :",  // ya's re-entry prompt has its blank
      kC2,
      "请输入已知点 B 的纵座标 :",
      kC3,
      "输入正确的纵座标 :",
      kC1,  // after its re-entry, xb's confirm is the short form
      "请输入已知点 B 的横座标 :",
      kC4};
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), asked.begin()));
}

TEST(DataEntryTest, ConfirmAnswers) {
  auto answers = entryAnswers();
  answers[coordinateAnswer(0) + 1] = kCancel;                       // Cancel confirms
  answers[coordinateAnswer(1) + 1] = "5";                           // so does any number but 0
  answers.insert(answers.begin() + coordinateAnswer(2) + 1, "ok");  // a word: asked again
  const auto e = enter(answers);
  EXPECT_FALSE(e->cancelled);
  EXPECT_EQ(e->prompt.asked[6], kC3);
  EXPECT_EQ(e->prompt.asked[7], kC3);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_EQ(e->window.messages[0].first, MessageKind::InvalidInput);
}

class BadNumberTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BadNumberTest, AsksTheSamePromptAgain) {
  auto answers = entryAnswers();
  answers.insert(answers.begin() + coordinateAnswer(3), GetParam());
  const auto e = enter(answers);
  EXPECT_FALSE(e->cancelled);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_NE(e->window.messages[0].second.find("有效数值"), std::string::npos);
  EXPECT_EQ(e->prompt.asked[7], "请输入已知点 B 的横座标 :");
  EXPECT_EQ(e->prompt.asked[8], "请输入已知点 B 的横座标 :");
  EXPECT_EQ(e->prompt.asked.size(), 40u);
}

INSTANTIATE_TEST_SUITE_P(Answers, BadNumberTest,
                         ::testing::Values("", "abc", "1,5", "nan", "inf", "1e999", "12 m"));

TEST(DataEntryTest, CancelOnANumberPromptCancelsTheRun) {
  auto answers = entryAnswers();
  answers[coordinateAnswer(4)] = kCancel;
  const auto e = enter(answers);
  EXPECT_TRUE(e->cancelled);
  EXPECT_EQ(e->prompt.asked.back(), "请输入已知点 C 的纵座标 :");
}

struct CountCase {
  const char* answer;
  int n;  // 0: out of range
};

std::ostream& operator<<(std::ostream& out, const CountCase& c) {
  return out << "n " << c.answer;
}

class TriangleCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(TriangleCountTest, RoundsHalfToEvenWithinRange) {
  const auto& c = GetParam();
  auto answers = entryAnswers(c.n ? c.n : 6);
  answers.insert(answers.begin(), c.answer);
  if (c.n) answers.erase(answers.begin() + 1);
  const auto e = enter(answers);
  EXPECT_EQ(e->job.n, c.n ? c.n : 6);
  EXPECT_EQ(e->window.messages.size(), c.n ? 0u : 1u);
  EXPECT_EQ(e->prompt.asked[1], c.n ? "请输入已知点 A 的纵座标 :" : "请输入三角形的个数:");
}

INSTANTIATE_TEST_SUITE_P(Counts, TriangleCountTest,
                         ::testing::Values(CountCase{"6.5", 6}, CountCase{"7.5", 8},
                                           CountCase{"4", 4}, CountCase{"4.4", 4},
                                           CountCase{"3.5", 4}, CountCase{"2.5", 0},
                                           CountCase{"3", 0}, CountCase{"-6", 0},
                                           CountCase{"16384", 0}, CountCase{"1e10", 0},
                                           CountCase{"65542", 0}));

TEST(DataEntryTest, NonPositiveSideAsksItsReentryPrompt) {
  auto answers = entryAnswers();
  answers.insert(answers.begin() + 19, {"0", "-5"});  // S(1)
  const auto e = enter(answers);
  EXPECT_EQ(e->window.messages.size(), 2u);
  EXPECT_EQ(e->prompt.asked[19], "请输入 S(1) 边长 :");
  EXPECT_EQ(e->prompt.asked[20], "输入正确的 S(1) 边长 :");
  EXPECT_EQ(e->prompt.asked[21], "输入正确的 S(1) 边长 :");
  EXPECT_GT(e->job.S[1], 0);
}

TEST(DataEntryTest, SidesThatFormNoTriangleAreAskedAgain) {
  auto answers = entryAnswers();
  const std::size_t s5 = 19 + 2 * 3;  // S(1), S(3), S(4), then S(5)
  const auto good = answers[s5];
  answers[s5] = "99999";
  answers.insert(answers.begin() + s5 + 2, good);  // re-entry after the message
  answers.insert(answers.begin() + s5 + 3, "");
  const auto e = enter(answers);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_NE(e->window.messages[0].second.find("第 2 个三角形"), std::string::npos)
      << e->window.messages[0].second;
  EXPECT_NE(e->window.messages[0].second.find("S(5) = 99999"), std::string::npos);
  EXPECT_EQ(e->prompt.asked[s5 + 2], "请输入 S(5) 边长 :");
  EXPECT_EQ(e->job.S[5], std::stod(*good));
}

TEST(DataEntryTest, LastRadialSideClosesTheLastTwoTriangles) {
  // S(11) fits triangle 5 but not triangle 6 (with S(12) and S(1)).
  auto answers = entryAnswers();
  const std::size_t s11 = 19 + 2 * 9;
  const auto good = answers[s11];
  const double S1 = std::stod(*answers[19]);
  answers[s11] = std::to_string(S1 * 40);
  answers.insert(answers.begin() + s11 + 2, {good, ""});
  const auto e = enter(answers);
  ASSERT_FALSE(e->window.messages.empty());
  EXPECT_NE(e->window.messages.back().second.find("三角形"), std::string::npos);
}

TEST(DataEntryTest, KnownPointThatCoincidesIsAskedAgain) {
  auto answers = entryAnswers();
  const auto xb = answers[coordinateAnswer(2)], yb = answers[coordinateAnswer(3)];
  answers[coordinateAnswer(2)] = answers[coordinateAnswer(0)];
  answers[coordinateAnswer(3)] = answers[coordinateAnswer(1)];
  answers.insert(answers.begin() + coordinateAnswer(4), {xb, "", yb, ""});
  const auto e = enter(answers);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_NE(e->window.messages[0].second.find("S(2) = 0"), std::string::npos);
  EXPECT_EQ(e->prompt.asked[9], "输入正确的纵座标 :");
  EXPECT_EQ(e->prompt.asked[11], "输入正确的横座标 :");
  EXPECT_EQ(e->job.xb, std::stod(*xb));
}

}  // namespace
}  // namespace korvelin
