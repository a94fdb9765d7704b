// The prompt's place, which every front end takes from the layout.
#include "record/window_layout.h"

#include <gtest/gtest.h>

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
    for (const auto& spec : textBoxes()) {
      if (!isEchoBox(spec.box)) continue;
      EXPECT_FALSE(overlaps(prompt, spec.rect)) << textBoxName(spec.box);
    }
  }
}

TEST(PromptPlaceTest, CentredInTheAreaOrAtItsCorner) {
  EXPECT_EQ(promptPosition(3000, 1320).x, kPromptArea.left + 3000);
  EXPECT_EQ(promptPosition(3000, 1320).y, kPromptArea.top + 1500);
  EXPECT_EQ(promptPosition(20000, 9000).x, kPromptArea.left);
  EXPECT_EQ(promptPosition(20000, 9000).y, kPromptArea.top);
}

}  // namespace
}  // namespace korvelin::layout
