#pragma once

#include <span>
#include <vector>

// Where the lines of a printed report stand on the paper, the same on every front end.
namespace korvelin::report_pages {

// A line's pitch, from its top to the top of the next line: 1.2 times its font size.
inline constexpr double kLinePitch = 1.2;

// A line's page (from 0) and its top, in the units of the positions given.
struct LinePlace {
  int page;
  double top;
};

// Lines follow one another at their pitches from `top`, the vertical print position. A line
// that would reach below `bottom` (the paper's height less a bottom margin as large as the top
// position) begins a new page at `top` again; the first line of a page always stays on it.
std::vector<LinePlace> placeLines(std::span<const double> pitches, double top, double bottom);

// The number of pages the places take: 0 for no lines.
int pageCount(std::span<const LinePlace> places);

}  // namespace korvelin::report_pages
