#include "win32/page_breaks.h"

namespace korvelin {

std::vector<PagedLine> breakPages(const std::vector<double>& lineSpacings, double top,
                                  double bottom) {
  std::vector<PagedLine> placed;
  placed.reserve(lineSpacings.size());
  int page = 1;
  double y = top;
  for (const double spacing : lineSpacings) {
    if (y + spacing > bottom && y != top) {
      ++page;
      y = top;
    }
    placed.push_back({page, y});
    y += spacing;
  }
  return placed;
}

}  // namespace korvelin
