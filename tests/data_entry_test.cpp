// The data entry through a scripted prompt: texts, echoes, confirmations and re-entries, and
// answers that cannot be taken.
#include "entry/data_entry.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cstdio>

#include "adjust/triangle_angles.h"

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

constexpr const char* kConfirmAbort = "确认中止本次计算 ?  中止再按 Esc 键;  继续输入按 Enter 键";

struct CancelCase {
  const char* name;
  std::size_t at;    // where in entryAnswers() the answers go in
  Answers inserted;  // the answers up to and including the one after Cancel
  bool cancelled;
  const char* cancelledPrompt;
};

std::ostream& operator<<(std::ostream& out, const CancelCase& c) {
  return out << c.name;
}

class CancelTest : public ::testing::TestWithParam<CancelCase> {};

// Cancel on a number prompt asks first; Cancel again ends the run, any other answer asks the
// cancelled prompt again with its text unchanged.
TEST_P(CancelTest, AsksBeforeItEndsTheRun) {
  const auto& c = GetParam();
  auto answers = entryAnswers();
  answers.insert(answers.begin() + c.at, c.inserted.begin(), c.inserted.end());
  const auto e = enter(answers);
  EXPECT_EQ(e->cancelled, c.cancelled);
  const auto& asked = e->prompt.asked;
  const auto abort = std::find(asked.begin(), asked.end(), kConfirmAbort);
  ASSERT_NE(abort, asked.end());
  EXPECT_EQ(*(abort - 1), c.cancelledPrompt);
  if (c.cancelled) {
    EXPECT_EQ(abort + 1, asked.end());
  } else {
    EXPECT_EQ(*(abort + 1), c.cancelledPrompt);
    EXPECT_EQ(asked.size(), 39u + c.inserted.size());
  }
  EXPECT_TRUE(e->window.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CancelTest,
    ::testing::Values(
        CancelCase{"TwiceOnN", 0, {kCancel, kCancel}, true, "请输入三角形的个数:"},
        CancelCase{"ThenEnterOnXc",
                   coordinateAnswer(4),
                   {kCancel, ""},
                   false,
                   "请输入已知点 C 的纵座标 :"},
        CancelCase{"ThenAWordOnASide", 25, {kCancel, "继续"}, false, "请输入 S(5) 边长 :"},
        CancelCase{"ThenAnIdeographicSpace", 25, {kCancel, "\u3000"}, false, "请输入 S(5) 边长 :"},
        CancelCase{"TwiceOnAReentry",
                   coordinateAnswer(0),
                   {"1", "0", kCancel, kCancel},
                   true,
                   "输入正确的纵座标 :"}),
    [](const auto& info) { return std::string(info.param.name); });

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

std::string fixed(double v, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
  return buffer;
}

std::string sideOffer(int i, const std::optional<std::string>& value) {
  return "重新输入 S(" + std::to_string(i) + ") 边长 (按 Enter 保留 " +
         fixed(std::stod(*value), 4) + ") :";
}

std::string coordinateOffer(const char* what, const std::optional<std::string>& value) {
  return std::string("重新输入已知点 ") + what + " (按 Enter 保留 " + *value + ") :";
}

// Positions in entryAnswers(): S(1), then S(k) for k ≥ 3.
std::size_t sideAnswer(int k) {
  return k == 1 ? 19 : 19 + 2 * (k - 2);
}

TEST(DataEntryTest, SideThatClosesNoTriangleOffersTheTriangleAgain) {
  auto answers = entryAnswers();
  const std::size_t s5 = sideAnswer(5);
  const auto s3 = answers[sideAnswer(3)], s4 = answers[sideAnswer(4)], good = answers[s5];
  // S(5) = 99999 confirmed; S(3) kept by Enter, S(4) by Cancel; S(5) typed anew and confirmed.
  answers[s5] = "99999";
  answers.insert(answers.begin() + s5 + 2, {"", kCancel, good, ""});
  const auto e = enter(answers);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_EQ(e->window.messages[0].second,
            "第 2 个三角形的三边不能构成三角形：S(3) = " + fixed(std::stod(*s3), 4) +
                "，S(4) = " + fixed(std::stod(*s4), 4) + "，S(5) = 99999.0000");
  const auto& asked = e->prompt.asked;
  const std::vector<std::string> offers{
      sideOffer(3, s3), sideOffer(4, s4), sideOffer(5, "99999"),
      "确认S(5) 输入是否正确 ?  输入正确按 Enter 键;  输入错误按零( 即为:0 )",
      "请输入 S(6) 边长 :"};
  EXPECT_TRUE(std::equal(offers.begin(), offers.end(), asked.begin() + s5 + 2));
  EXPECT_EQ(e->job.S[5], std::stod(*good));
  EXPECT_EQ(asked.size(), 39u + 4);
  // Each offer after its side's instruction; Text9 keeps " s99999.0000" until S(5) is typed.
  const auto text8 = textsOf(e->window, TextBox::Text8);
  const std::vector<std::string> instructions{"现在输入 S(5) 边长", "现在输入 S(3) 边长",
                                              "现在输入 S(4) 边长", "现在输入 S(5) 边长",
                                              "现在输入 S(6) 边长"};
  EXPECT_TRUE(std::equal(instructions.begin(), instructions.end(), text8.begin() + 3));
  const auto text9 = textsOf(e->window, TextBox::Text9);
  EXPECT_EQ(text9[3], " s99999.0000");
  EXPECT_EQ(text9[4], " s" + fixed(std::stod(*good), 4));
}

TEST(DataEntryTest, OfferAsksAgainAfterAWordOrASideOfZero) {
  auto answers = entryAnswers();
  const std::size_t s5 = sideAnswer(5);
  const auto good = answers[s5];
  answers[s5] = "99999";
  answers.insert(answers.begin() + s5 + 2, {"", "", "abc", "0", "－１", good, ""});
  const auto e = enter(answers);
  ASSERT_EQ(e->window.messages.size(), 4u);
  EXPECT_NE(e->window.messages[1].second.find("「abc」"), std::string::npos);
  EXPECT_EQ(e->window.messages[2].second, "边长必须大于零：S(5) = 0");
  EXPECT_EQ(e->window.messages[3].second, "边长必须大于零：S(5) = -1");
  const auto& asked = e->prompt.asked;
  for (std::size_t k = s5 + 4; k < s5 + 8; ++k) EXPECT_EQ(asked[k], sideOffer(5, "99999"));
  EXPECT_EQ(e->job.S[5], std::stod(*good));
}

// A slip in a value that reaches a triangle only through the known points or S(1): the triangle
// check offers every value of the failing triangle, coordinates first.
struct SlipCase {
  const char* name;
  std::size_t slipAt;  // the answer typed wrong
  int triangle;
  std::vector<std::size_t> offered;  // the answers whose values are offered, in order
  std::size_t correctedAt;           // which of them is typed anew (an index into offered)
};

std::ostream& operator<<(std::ostream& out, const SlipCase& c) {
  return out << c.name;
}

class SlipTest : public ::testing::TestWithParam<SlipCase> {};

TEST_P(SlipTest, IsCorrectedThroughTheOffers) {
  const auto& c = GetParam();
  auto answers = entryAnswers();
  const auto good = answers[c.slipAt];
  const std::string slip = std::to_string(std::stod(*good) * 30);
  answers[c.slipAt] = slip;
  Answers offers;
  for (std::size_t k = 0; k < c.offered.size(); ++k) {
    if (k != c.correctedAt) offers.push_back(k % 2 ? std::optional<std::string>() : "");
    if (k == c.correctedAt) offers.insert(offers.end(), {good, ""});
  }
  const std::size_t checkedAt =
      c.triangle == 1 ? sideAnswer(3) + 2 : sideAnswer(2 * c.triangle - 1) + 2;
  answers.insert(answers.begin() + checkedAt, offers.begin(), offers.end());
  const auto e = enter(answers);
  ASSERT_FALSE(e->cancelled);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_EQ(e->window.messages[0].second.find("第 " + std::to_string(c.triangle) + " 个三角形"), 0u)
      << e->window.messages[0].second;
  const auto& asked = e->prompt.asked;
  for (std::size_t k = 0; k <= c.correctedAt; ++k) {
    const std::string& prompt = asked[checkedAt + k];
    const auto& value =
        c.offered[k] == c.slipAt ? std::optional<std::string>(slip) : answers[c.offered[k]];
    const std::string shown =
        c.offered[k] < 13 ? fixed(std::stod(*value), 3) : fixed(std::stod(*value), 4);
    EXPECT_NE(prompt.find("(按 Enter 保留 " + shown + ") :"), std::string::npos) << prompt;
  }
  EXPECT_EQ(asked.size(), 39u + offers.size());
  const auto original = entryAnswers();
  EXPECT_EQ(e->job.xa, std::stod(*original[coordinateAnswer(0)]));
  EXPECT_EQ(e->job.xc, std::stod(*original[coordinateAnswer(4)]));
  EXPECT_EQ(e->job.S[1], std::stod(*original[sideAnswer(1)]));
}

const std::vector<std::size_t> kTriangle1 = {coordinateAnswer(0), coordinateAnswer(1),
                                             coordinateAnswer(2), coordinateAnswer(3),
                                             sideAnswer(1),       sideAnswer(3)};
const std::vector<std::size_t> kTriangle6 = {coordinateAnswer(2), coordinateAnswer(3),
                                             coordinateAnswer(4), coordinateAnswer(5),
                                             sideAnswer(1),       sideAnswer(11)};

INSTANTIATE_TEST_SUITE_P(Cases, SlipTest,
                         ::testing::Values(SlipCase{"InXa", coordinateAnswer(0), 1, kTriangle1, 0},
                                           SlipCase{"InS1", sideAnswer(1), 1, kTriangle1, 4},
                                           SlipCase{"InXcFailsTheLastTriangle", coordinateAnswer(4),
                                                    6, kTriangle6, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataEntryTest, OfferedCoordinatesSayWhatTheyAre) {
  auto answers = entryAnswers();
  const std::size_t s3 = sideAnswer(3);
  const auto good = answers[s3];
  answers[s3] = "99999";
  answers.insert(answers.begin() + s3 + 2, {"", "", "", "", "", good, ""});
  const auto e = enter(answers);
  const auto& asked = e->prompt.asked;
  EXPECT_EQ(asked[s3 + 2], coordinateOffer("A 的纵座标", answers[coordinateAnswer(0)]));
  EXPECT_EQ(asked[s3 + 3], coordinateOffer("A 的横座标", answers[coordinateAnswer(1)]));
  EXPECT_EQ(asked[s3 + 4], coordinateOffer("B 的纵座标", answers[coordinateAnswer(2)]));
  EXPECT_EQ(asked[s3 + 5], coordinateOffer("B 的横座标", answers[coordinateAnswer(3)]));
  EXPECT_EQ(asked[s3 + 6], sideOffer(1, answers[sideAnswer(1)]));
  EXPECT_NE(e->window.messages[0].second.find("（由已知点 A、B 算得）"), std::string::npos);
}

// A coordinate typed anew at an offer goes through its later confirm, re-entry prompt and
// cleared text; B typed onto A is asked again as in its first entry.
TEST(DataEntryTest, OfferedCoordinateConfirmsAndKeepsThePointsApart) {
  auto answers = entryAnswers();
  const std::size_t s3 = sideAnswer(3);
  const auto xa = answers[coordinateAnswer(0)], ya = answers[coordinateAnswer(1)];
  const auto xb = answers[coordinateAnswer(2)], yb = answers[coordinateAnswer(3)];
  const auto good = answers[s3];
  answers[s3] = "99999";
  answers.insert(answers.begin() + s3 + 2,
                 {"", "", xa, "0", xa, "", ya, "", "", good, "",  // B onto A, xb rejected once
                  xb, "", yb, ""});                               // B asked again
  const auto e = enter(answers);
  ASSERT_FALSE(e->cancelled);
  ASSERT_EQ(e->window.messages.size(), 2u);
  EXPECT_NE(e->window.messages[1].second.find("已知点 B 与 A 重合"), std::string::npos);
  const auto& asked = e->prompt.asked;
  EXPECT_EQ(asked[s3 + 5], kC1);  // xb's later confirm
  EXPECT_EQ(asked[s3 + 6], "输入正确的纵座标 :");
  EXPECT_EQ(asked[s3 + 13], "输入正确的纵座标 :");  // B asked again after the offers
  const auto text3 = textsOf(e->window, TextBox::Text3);
  const std::vector<std::string> expected{' ' + *xb, ' ' + *xa, "", ' ' + *xa, "", ' ' + *xb};
  EXPECT_EQ(text3, expected);
  EXPECT_EQ(e->job.xb, std::stod(*xb));
}

TEST(DataEntryTest, LastRadialSideChecksTriangleNMinus1First) {
  // S(11) fits neither triangle 5 nor triangle 6: triangle 5 is offered first.
  auto answers = entryAnswers();
  const std::size_t s11 = sideAnswer(11);
  const auto good = answers[s11];
  answers[s11] = std::to_string(std::stod(*answers[sideAnswer(1)]) * 40);
  answers.insert(answers.begin() + s11 + 2, {"", "", good, ""});
  const auto e = enter(answers);
  ASSERT_EQ(e->window.messages.size(), 1u);
  EXPECT_EQ(e->window.messages[0].second.find("第 5 个三角形"), 0u);
  EXPECT_EQ(e->job.S[11], std::stod(*good));
}

TEST(DataEntryTest, LastRadialSideClosesTriangleNToo) {
  // S(11) fits triangle 5 (with S(9), S(10)) but not triangle 6 (with S(12) and S(1)).
  auto answers = entryAnswers();
  const double S1 = std::stod(*answers[sideAnswer(1)]), S9 = std::stod(*answers[sideAnswer(9)]),
               S10 = std::stod(*answers[sideAnswer(10)]);
  const auto network = testing::makeNetwork(6, 21);
  const double S12 = network.side(12);
  const double S11 = S12 + S1 + 1;
  ASSERT_TRUE(formsTriangle(S9, S10, S11)) << "the fixture no longer fails triangle 6 only";
  ASSERT_FALSE(formsTriangle(S11, S12, S1));
  const std::size_t s11 = sideAnswer(11);
  const auto good = answers[s11];
  answers[s11] = fixed(S11, 4);
  answers.insert(answers.begin() + s11 + 2, {"", "", "", "", "", good, ""});
  const auto e = enter(answers);
  ASSERT_EQ(e->window.messages.size(), 1u);
  const std::string& message = e->window.messages[0].second;
  EXPECT_EQ(message.find("第 6 个三角形的三边不能构成三角形：S(11) = " + fixed(S11, 4)), 0u)
      << message;
  EXPECT_NE(message.find("（由已知点 B、C 算得），S(1) = "), std::string::npos) << message;
  const auto& asked = e->prompt.asked;
  EXPECT_EQ(asked[s11 + 2], coordinateOffer("B 的纵座标", answers[coordinateAnswer(2)]));
  EXPECT_EQ(asked[s11 + 4], coordinateOffer("C 的纵座标", answers[coordinateAnswer(4)]));
  EXPECT_EQ(asked[s11 + 6], sideOffer(1, answers[sideAnswer(1)]));
  EXPECT_EQ(asked[s11 + 7], sideOffer(11, fixed(S11, 4)));
  EXPECT_EQ(e->job.S[11], std::stod(*good));
}

// Full-width answers read as their ASCII counterparts; the echo shows the number.
TEST(DataEntryTest, FullWidthAnswers) {
  auto answers = entryAnswers();
  const auto toFullWidth = [](const std::string& ascii) {
    std::string wide;
    for (const char c : ascii) {
      if (c >= '0' && c <= '9') {
        wide += "\xEF\xBC";
        wide += static_cast<char>(0x90 + (c - '0'));
      } else {
        wide += c == '.' ? "。" : std::string(1, c);
      }
    }
    return wide;
  };
  const auto xa = answers[coordinateAnswer(0)];
  answers[0] = "６";
  answers[coordinateAnswer(0)] = "\u3000" + toFullWidth(*xa);
  answers[coordinateAnswer(0) + 1] = "\u3000";  // blanks only: Enter
  answers.insert(answers.begin() + coordinateAnswer(1) + 1, {"０", *answers[coordinateAnswer(1)]});
  answers[sideAnswer(3)] = toFullWidth(*answers[sideAnswer(3)]);
  const auto e = enter(answers);
  EXPECT_TRUE(e->window.messages.empty());
  EXPECT_EQ(e->job.n, 6);
  EXPECT_EQ(e->job.xa, std::stod(*xa));
  EXPECT_EQ(textsOf(e->window, TextBox::Text1), std::vector<std::string>{' ' + *xa});
  EXPECT_EQ(e->prompt.asked[coordinateAnswer(1) + 2], "输入 正确的横座标 :");  // ０ rejected ya
  EXPECT_EQ(e->prompt.asked.size(), 41u);
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
