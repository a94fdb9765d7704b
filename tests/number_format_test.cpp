#include "record/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "entry/answer_reading.h"

namespace korvelin {
namespace {

struct PatternCase {
  double value;
  const char* format;
  const char* text;
};

std::ostream& operator<<(std::ostream& out, const PatternCase& c) {
  return out << c.value << " " << c.format;
}

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, WritesFixedDecimals) {
  const auto& c = GetParam();
  EXPECT_EQ(pattern(c.value, c.format), c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternTest,
    ::testing::Values(PatternCase{234.5, "0.000", "234.500"}, PatternCase{0.5, "0.0000", "0.5000"},
                      PatternCase{-0.25, "0.00", "-0.25"}, PatternCase{0, "0.000", "0.000"},
                      PatternCase{-0.0, "0.00", "0.00"},
                      // Zero after rounding prints without its minus sign.
                      PatternCase{-0.004, "0.00", "0.00"}, PatternCase{-0.005, "0.00", "-0.01"},
                      // A half away from zero, decided on the 15-digit decimal text.
                      PatternCase{0.125, "0.00", "0.13"}, PatternCase{-0.125, "0.00", "-0.13"},
                      // 2.675 is 2.67499999999999982… in binary, but 2.67500000000000 in 15 digits.
                      PatternCase{2.675, "0.00", "2.68"}, PatternCase{1.0005, "0.000", "1.001"},
                      PatternCase{9.9995, "0.000", "10.000"},
                      PatternCase{999.99999, "0.0000", "1000.0000"},
                      PatternCase{0.00004, "0.0000", "0.0000"},
                      PatternCase{0.00005, "0.0000", "0.0001"},
                      PatternCase{1e-20, "0.000", "0.000"},
                      PatternCase{123456789012.3456, "0.0000", "123456789012.3460"},
                      PatternCase{1e15, "0.000", "1000000000000000.000"},
                      PatternCase{1287.4004, "0.0000", "1287.4004"},
                      PatternCase{static_cast<double>(1287.4004f), "0.0000", "1287.4004"},
                      PatternCase{-4738.9745, "0.000", "-4738.975"}));

struct RoundCase {
  double value;
  int decimals;
  double rounded;
};

std::ostream& operator<<(std::ostream& out, const RoundCase& c) {
  return out << c.value << " to " << c.decimals;
}

class RoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, HalvesGoToTheEvenNeighbour) {
  const auto& c = GetParam();
  EXPECT_EQ(roundTo(c.value, c.decimals), c.rounded) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTest,
                         ::testing::Values(RoundCase{12.125, 2, 12.12}, RoundCase{12.375, 2, 12.38},
                                           RoundCase{0.125, 2, 0.12}, RoundCase{2.5, 0, 2},
                                           RoundCase{3.5, 0, 4}, RoundCase{-2.5, 0, -2},
                                           RoundCase{234.5, 3, 234.5},
                                           // 0.98345 × 10⁴ is the tie 9834.5 in 64 bits.
                                           RoundCase{0.98345, 4, 0.9834},
                                           RoundCase{1.5999649, 5, 1.59996},
                                           RoundCase{1e305, 5, 1e305}));

TEST(RoundTest, KeepsThe32BitWidth) {
  const float w = 12.125f;
  const auto rounded = roundTo(w, 2);
  static_assert(std::is_same_v<decltype(rounded), const float>);
  EXPECT_EQ(rounded, static_cast<float>(12.12));
}

struct GeneralCase {
  double value;
  bool single;  // written as a 32-bit value
  const char* text;
};

std::ostream& operator<<(std::ostream& out, const GeneralCase& c) {
  return out << c.value << (c.single ? " 32-bit" : " 64-bit");
}

class GeneralTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTest, WritesTheShortestText) {
  const auto& c = GetParam();
  const std::string text = c.single ? general(static_cast<float>(c.value)) : general(c.value);
  EXPECT_EQ(text, c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralTest,
    ::testing::Values(GeneralCase{0.5, false, "0.5"}, GeneralCase{12.5, false, "12.5"},
                      GeneralCase{-3, false, "-3"}, GeneralCase{0, false, "0"},
                      GeneralCase{-0.0, false, "0"}, GeneralCase{-0.0, true, "0"},
                      GeneralCase{0.12, false, "0.12"},
                      // 32-bit values keep seven digits: 0.12f is 0.119999997…
                      GeneralCase{0.12, true, "0.12"}, GeneralCase{1.14, true, "1.14"},
                      GeneralCase{0.1 + 0.2, false, "0.3"},
                      GeneralCase{2.0 / 3, false, "0.666666666666667"},
                      GeneralCase{2.0 / 3, true, "0.6666667"}, GeneralCase{1e15, false, "1e+15"},
                      GeneralCase{123456789012345.0, false, "123456789012345"},
                      GeneralCase{0.00001, false, "1e-05"}, GeneralCase{0.0001, false, "0.0001"},
                      GeneralCase{1e20, true, "1e+20"}));

// Numbers are written and read with a decimal point whatever the locale says. The test runs
// under a real decimal-comma locale, the C one (printf, strtod) and the C++ global one (streams)
// alike; scripts/install-deps generates it. Without it the test fails, since it checks nothing.
class DecimalCommaLocaleTest : public ::testing::Test {
 protected:
#ifdef _WIN32
  // Windows names its C locales by language and country; its libstdc++ streams know only "C",
  // so there the C library alone is put under the comma.
  static constexpr const char* kCommaLocale = "German_Germany.1252";
  static constexpr bool kStreamsToo = false;
#else
  static constexpr const char* kCommaLocale = "de_DE.UTF-8";
  static constexpr bool kStreamsToo = true;
#endif

  void SetUp() override {
    previousC_ = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, kCommaLocale), nullptr)
        << "缺少区域设置 " << kCommaLocale << "（scripts/install-deps 生成）";
    if (kStreamsToo) previous_ = std::locale::global(std::locale(kCommaLocale));
    changed_ = true;
  }
  void TearDown() override {
    if (!changed_) return;
    if (kStreamsToo) std::locale::global(previous_);
    std::setlocale(LC_ALL, previousC_.c_str());
  }

 private:
  std::string previousC_;
  std::locale previous_;
  bool changed_ = false;
};

TEST_F(DecimalCommaLocaleTest, NumbersKeepTheirPoint) {
  // The locale is in force: the C library and the streams write a comma.
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
  ASSERT_STREQ(buffer, "0,5");
  if (kStreamsToo) {
    std::ostringstream stream;
    stream << 0.5;
    ASSERT_EQ(stream.str(), "0,5");
  }

  EXPECT_EQ(pattern(234.5, "0.000"), "234.500");
  EXPECT_EQ(pattern(-4738.9745, "0.000"), "-4738.975");
  EXPECT_EQ(general(0.5), "0.5");
  EXPECT_EQ(general(0.25f), "0.25");
  EXPECT_EQ(general(1e15), "1e+15");
  EXPECT_EQ(readDecimal("1287.4004"), 1287.4004);
  EXPECT_EQ(readDecimal("1,5"), std::nullopt);
}

}  // namespace
}  // namespace korvelin
