// Where the lines of a printed report stand: the page break at the bottom margin, and a line
// taller than the room of a page, which stays on a page of its own.
#include "output/report_pages.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace korvelin::report_pages {
namespace {

struct Case {
  const char* name;
  std::vector<double> pitches;
  std::vector<LinePlace> places;
};

class PlaceLinesTest : public testing::TestWithParam<Case> {};

TEST_P(PlaceLinesTest, PagesAndTops) {
  const Case& c = GetParam();
  const auto places = placeLines(c.pitches, 10, 40);  // room for 30 between top and bottom
  ASSERT_EQ(places.size(), c.places.size());
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(places[i].page, c.places[i].page) << "line " << i;
    EXPECT_EQ(places[i].top, c.places[i].top) << "line " << i;
  }
  EXPECT_EQ(pageCount(places), c.places.empty() ? 0 : c.places.back().page + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PlaceLinesTest,
    testing::Values(
        Case{"none", {}, {}},
        Case{"one page, filled to the bottom", {10, 10, 10}, {{0, 10}, {0, 20}, {0, 30}}},
        Case{"the line that would pass the bottom begins a page",
             {10, 10, 10, 12},
             {{0, 10}, {0, 20}, {0, 30}, {1, 10}}},
        Case{"a line taller than the room stays on its page", {50, 10}, {{0, 10}, {1, 10}}},
        Case{"sizes change within a page", {12, 10, 10}, {{0, 10}, {0, 22}, {1, 10}}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

}  // namespace
}  // namespace korvelin::report_pages
