#pragma once

#include <vector>

namespace korvelin {

// Where the lines of a report fall on the pages, in device units from the top of the printable
// area. Each line takes its line spacing; the first line of every page stands at `top`, and a
// line that would end below `bottom` begins the next page (a page always takes one line, however
// tall). The pages are counted from 1.
struct PagedLine {
  int page;
  double top;
};

std::vector<PagedLine> breakPages(const std::vector<double>& lineSpacings, double top,
                                  double bottom);

}  // namespace korvelin
