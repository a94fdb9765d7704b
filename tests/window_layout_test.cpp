// The prompt's place, which every front end takes from the layout.
#include "record/window_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvelin::layout {
namespace {

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool isEchoBox(TextBox box) {
  return box <= TextBox::Text9 || box == TextBox::Text14 || box == TextBox::Text17;
}

TEST(PromptPlaceTest, CoversNoEchoBoxAtAnyFittingSize) {
  for (const auto& [w, h] : {std::pair{6000, 2250}, {9000, 4320}, {3000, 1500}}) {
    const Point at = promptPosition(w, h);
    const Rect prompt{at.x, at.y, w, h};
    for (const auto& row : textBoxes()) {
      if (!isEchoBox(row.box)) continue;
      EXPECT_FALSE(overlaps(prompt, row.rect)) << textBoxName(row.box);
    }
  }
}

TEST(PromptPlaceTest, CentredInTheAreaOrAtItsCorner) {
  EXPECT_EQ(promptPosition(3000, 1320).x, kPromptArea.left + 3000);
  EXPECT_EQ(promptPosition(3000, 1320).y, kPromptArea.top + 1500);
  EXPECT_EQ(promptPosition(20000, 9000).x, kPromptArea.left);
  EXPECT_EQ(promptPosition(20000, 9000).y, kPromptArea.top);
}

// Every code unit one unit wide: the lines a caption takes in a width of that many characters.
std::vector<std::u16string> wrapped(std::u16string_view caption, double width) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (const std::size_t length : wordLines(caption, width, [](std::u16string_view line) {
         return static_cast<double>(line.size());
       })) {
    lines.emplace_back(caption.substr(start, length));
    start += length;
  }
  return lines;
}

TEST(WordLinesTest, BreaksAtBlanksOnlyAndKeepsTheBlanksOnTheLine) {
  using Lines = std::vector<std::u16string>;
  // The two-line captions: each term on a line of its own, the leading blanks kept.
  EXPECT_EQ(wrapped(u"    纵座标       单位权中误差", 8),
            (Lines{u"    纵座标       ", u"单位权中误差"}));
  // Trailing blanks are not measured: "ab cd" fits in 5 with its blanks after it.
  EXPECT_EQ(wrapped(u"ab cd   ef", 5), (Lines{u"ab cd   ", u"ef"}));
  // A word wider than the line stands alone; ideographs are never split.
  EXPECT_EQ(wrapped(u"单位权中误差 x", 3), (Lines{u"单位权中误差 ", u"x"}));
  EXPECT_EQ(wrapped(u"", 3), Lines{});
}

}  // namespace
}  // namespace korvelin::layout
