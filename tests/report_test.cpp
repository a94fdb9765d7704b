#include "output/report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/commands.h"
#include "network_fixture.h"

namespace korvelin {
namespace {

struct Printed {
  PolygonJob job;
  testing::RecordingPrinter printer;
};

Printed printed(int n) {
  Printed p;
  RunTables tables = startRun();
  testing::enterNetwork(testing::makeNetwork(n, 60 + n), p.job, tables, 0.002, 1);
  for (int k = 0; k < n; ++k) p.job.pointNames[k] = testing::pointName("N", k);
  testing::RecordingWindow window;
  calculate(p.job, tables, window);
  printReport(p.job, p.printer);
  return p;
}

// The values after each ")=" of a line.
std::vector<std::string> valuesOf(const std::string& line) {
  std::vector<std::string> values;
  for (auto at = line.find(")="); at != std::string::npos; at = line.find(")=", at + 2)) {
    const auto end = line.find_first_not_of("-.0123456789", at + 2);
    values.push_back(line.substr(at + 2, end == std::string::npos ? end : end - at - 2));
  }
  return values;
}

class ReportTest : public ::testing::TestWithParam<int> {};

TEST_P(ReportTest, HasItsLinesInTwoSizes) {
  const int n = GetParam();
  const auto p = printed(n);
  const auto& lines = p.printer.lines;
  ASSERT_EQ(lines.size(), 3u * n + 39);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 13);
  const std::vector<std::string> calls{"position 2000 1000", "face ", "size 12", "size 10", "end"};
  EXPECT_EQ(p.printer.calls, calls);
  EXPECT_EQ(p.printer.lineSizes[2], 12);
  EXPECT_EQ(p.printer.lineSizes[3], 10);
  EXPECT_EQ(lines[0], std::string(29, ' ') + "--- Korvelin ---");
  // The side table: 2n + 1 rows, the last repeating side 1 in both columns.
  const std::string& last = lines[11 + 2 * n];
  const std::string& first = lines[11];
  const std::string lastIndex = std::string(23, ' ') + "s( " + std::to_string(2 * n + 1) + " )=";
  EXPECT_EQ(last.substr(0, lastIndex.size()), lastIndex);
  EXPECT_EQ(valuesOf(first), valuesOf(last));
  // Two precision blocks, whatever n is; the second is point 3 (C when n = 4).
  EXPECT_EQ(lines[lines.size() - 13], std::string(23, ' ') + "待定点N2");
  EXPECT_EQ(lines[lines.size() - 6], std::string(23, ' ') + "待定点N3");
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReportTest, ::testing::Values(4, 6, 11));

TEST(ReportTest, LinesInColumns) {
  PolygonJob job;
  RunTables tables = startRun();
  job.n = 4;
  sizeTables(job, tables);
  job.xa = 234.5, job.ya = -0.25;
  job.w[3] = 0.0012f;  // 1.2 mm
  job.x[0] = 4738.9745;
  job.pointNames = {"长名字很长的点", "O", "P", "C"};
  testing::RecordingPrinter printer;
  printReport(job, printer);
  const auto& lines = printer.lines;
  EXPECT_EQ(lines[5], std::string(23, ' ') + "起始点座标 :  xa=234.500     ya=-0.250");
  EXPECT_EQ(lines[17 + 2 * 4], std::string(31, ' ') + "固定边条件闭合差 :  w(3)=1.20 (毫米)");
  // A name that reaches past column 30 is followed by one blank.
  EXPECT_EQ(lines[21 + 2 * 4],
            std::string(23, ' ') + "长名字很长的点 x( 0 )=4738.974 y( 0 )=0.000");
}

struct ColumnCase {
  const char* name;
  ReportLine line;
  std::string rendered;
};

class ColumnRuleTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnRuleTest, PlacesTheNextItem) {
  EXPECT_EQ(renderInColumns(GetParam().line), GetParam().rendered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnRuleTest,
    ::testing::Values(
        ColumnCase{"PadsToColumn", {text("ab"), column(5), text("c")}, "ab  c"},
        ColumnCase{"ColumnOneIsTheEdge", {column(1), text("a")}, "a"},
        ColumnCase{"ColumnBelowOneIsTheEdge", {column(0), text("a")}, "a"},
        ColumnCase{"ColumnBelowOneAfterText", {text("ab"), column(-3), text("c")}, "ab c"},
        ColumnCase{"PastTheColumnAddsOneBlank", {text("abcdef"), column(3), text("g")}, "abcdef g"},
        // Text that ends just before the column would touch the next item.
        ColumnCase{"ReachingTheColumnAddsOneBlank", {text("abcd"), column(5), text("e")}, "abcd e"},
        ColumnCase{"ChineseTakesTwoColumns", {text("甲"), column(5), text("x")}, "甲  x"},
        ColumnCase{"ChineseReachingTheColumn", {text("中心"), column(5), text("x")}, "中心 x"}),
    [](const auto& info) { return std::string(info.param.name); });

struct WidthCase {
  const char* name;
  std::string text;
  std::size_t columns;
};

class TextColumnsTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(TextColumnsTest, CountsAsThePaperDoes) {
  EXPECT_EQ(textColumns(GetParam().text), GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextColumnsTest,
    ::testing::Values(WidthCase{"Latin", "s( 1 )=", 7}, WidthCase{"Wide", "观测边长", 8},
                      WidthCase{"Fullwidth", "１２．", 6}, WidthCase{"Ambiguous", "°×α", 6},
                      WidthCase{"Halfwidth", "ｱｲ", 2}, WidthCase{"OutsideTheBmp", "😀𠀀", 4},
                      WidthCase{"MixedWithBlanks", "中心 O", 6},
                      // Bytes that start no character count one each.
                      WidthCase{"StrayBytes", "\x80\xC0\xE4\xB8", 4},
                      WidthCase{"CutAtTheEnd", "a\xE4\xB8", 3}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvelin
