#include "win32/page_breaks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace korvelin {
namespace {

struct BreakCase {
  const char* name;
  std::vector<double> spacings;
  double top, bottom;
  std::vector<PagedLine> expected;
};

void PrintTo(const BreakCase& c, std::ostream* out) {
  *out << c.name;
}

class BreakPagesTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakPagesTest, PlacesEveryLine) {
  const auto& c = GetParam();
  const auto placed = breakPages(c.spacings, c.top, c.bottom);
  ASSERT_EQ(placed.size(), c.expected.size());
  for (std::size_t i = 0; i < placed.size(); ++i) {
    EXPECT_EQ(placed[i].page, c.expected[i].page) << "line " << i;
    EXPECT_DOUBLE_EQ(placed[i].top, c.expected[i].top) << "line " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BreakPagesTest,
    ::testing::Values(
        BreakCase{"OnePage", {10, 10, 10}, 5, 100, {{1, 5}, {1, 15}, {1, 25}}},
        // A line ending exactly on the limit stays; the next begins page 2 at the top.
        BreakCase{"EndsOnTheLimit", {10, 10, 10}, 5, 25, {{1, 5}, {1, 15}, {2, 5}}},
        // The 12-point title then 10-point lines: the spacing of each line counts.
        BreakCase{
            "TwoSizes", {14.4, 12, 12, 12}, 50, 100, {{1, 50}, {1, 64.4}, {1, 76.4}, {2, 50}}},
        // A line taller than the page still takes a page of its own, the first page too.
        BreakCase{"TallerThanThePage", {80, 10}, 5, 50, {{1, 5}, {2, 5}}},
        BreakCase{"NoLines", {}, 5, 50, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvelin
