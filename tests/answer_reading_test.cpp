#include "entry/answer_reading.h"

#include <gtest/gtest.h>

#include <ostream>

namespace korvelin {
namespace {

struct DecimalCase {
  const char* answer;
  std::optional<double> value;
};

std::ostream& operator<<(std::ostream& out, const DecimalCase& c) {
  return out << "\"" << c.answer << "\"";
}

class ReadDecimalTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ReadDecimalTest, AcceptsOnlyFiniteDecimalNumbers) {
  const auto& c = GetParam();
  EXPECT_EQ(readDecimal(c.answer), c.value) << '"' << c.answer << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadDecimalTest,
    ::testing::Values(DecimalCase{"1287.4004", 1287.4004}, DecimalCase{"  -12.5\t", -12.5},
                      DecimalCase{"+3", 3.0}, DecimalCase{".5", 0.5}, DecimalCase{"5.", 5.0},
                      DecimalCase{"1e3", 1000.0}, DecimalCase{"2.5E-2", 0.025},
                      DecimalCase{"-0", -0.0}, DecimalCase{"", std::nullopt},
                      DecimalCase{"   ", std::nullopt}, DecimalCase{"abc", std::nullopt},
                      DecimalCase{"1,5", std::nullopt}, DecimalCase{"nan", std::nullopt},
                      DecimalCase{"inf", std::nullopt}, DecimalCase{"-infinity", std::nullopt},
                      DecimalCase{"1e999", std::nullopt}, DecimalCase{"0x10", std::nullopt},
                      DecimalCase{"1.2.3", std::nullopt}, DecimalCase{".", std::nullopt},
                      DecimalCase{"+-1", std::nullopt}, DecimalCase{"1e", std::nullopt},
                      DecimalCase{"1 2", std::nullopt},
                      // As a Chinese input method types them.
                      DecimalCase{"１２３．４", 123.4}, DecimalCase{"3457313。320", 3457313.32},
                      DecimalCase{"－１２．５", -12.5}, DecimalCase{"＋３", 3.0},
                      DecimalCase{"２ｅ３", 2000.0}, DecimalCase{"２．５Ｅ－２", 0.025},
                      DecimalCase{"\u3000１２\u3000", 12.0}, DecimalCase{"１2.５", 12.5},
                      DecimalCase{"\u3000", std::nullopt}, DecimalCase{"１，５", std::nullopt},
                      DecimalCase{"１２。。３", std::nullopt},
                      DecimalCase{"１\u30002", std::nullopt}));

struct ConfirmCase {
  std::optional<std::string> answer;
  ConfirmAnswer reading;
};

std::ostream& operator<<(std::ostream& out, const ConfirmCase& c) {
  return out << (c.answer ? "\"" + *c.answer + "\"" : std::string("Cancel"));
}

class ReadConfirmTest : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(ReadConfirmTest, ZeroRejectsAndEmptyConfirms) {
  const auto& c = GetParam();
  EXPECT_EQ(readConfirm(c.answer), c.reading) << c.answer.value_or("<cancel>");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadConfirmTest,
                         ::testing::Values(ConfirmCase{"", ConfirmAnswer::Confirmed},
                                           ConfirmCase{std::nullopt, ConfirmAnswer::Confirmed},
                                           ConfirmCase{"  ", ConfirmAnswer::Confirmed},
                                           ConfirmCase{"1", ConfirmAnswer::Confirmed},
                                           ConfirmCase{"-7.5", ConfirmAnswer::Confirmed},
                                           ConfirmCase{"0", ConfirmAnswer::Rejected},
                                           ConfirmCase{" 0.000 ", ConfirmAnswer::Rejected},
                                           ConfirmCase{"-0", ConfirmAnswer::Rejected},
                                           ConfirmCase{"+0e5", ConfirmAnswer::Rejected},
                                           ConfirmCase{"yes", ConfirmAnswer::Unreadable},
                                           ConfirmCase{"0k", ConfirmAnswer::Unreadable},
                                           ConfirmCase{"０", ConfirmAnswer::Rejected},
                                           ConfirmCase{"０。００", ConfirmAnswer::Rejected},
                                           ConfirmCase{"\u3000 \u3000", ConfirmAnswer::Confirmed},
                                           ConfirmCase{"５", ConfirmAnswer::Confirmed}));

TEST(QuotedAnswerTest, ShortensLongAnswersByCodePoints) {
  EXPECT_EQ(quotedAnswer("abc"), "「abc」");
  const std::string longName(100000, 'x');
  EXPECT_EQ(quotedAnswer(longName), "「" + std::string(40, 'x') + "…」");
  std::string chinese;
  for (int i = 0; i < 50; ++i) chinese += "点";
  std::string expected;
  for (int i = 0; i < 40; ++i) expected += "点";
  EXPECT_EQ(quotedAnswer(chinese), "「" + expected + "…」");
}

}  // namespace
}  // namespace korvelin
