#include "output/report_pages.h"

namespace korvelin::report_pages {

std::vector<LinePlace> placeLines(std::span<const double> pitches, double top, double bottom) {
  std::vector<LinePlace> places;
  places.reserve(pitches.size());
  LinePlace next{0, top};
  for (const double pitch : pitches) {
    if (next.top + pitch > bottom && next.top != top) next = {next.page + 1, top};
    places.push_back(next);
    next.top += pitch;
  }
  return places;
}

int pageCount(std::span<const LinePlace> places) {
  return places.empty() ? 0 : places.back().page + 1;
}

}  // namespace korvelin::report_pages
