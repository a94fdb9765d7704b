#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "record/result_window.h"

// The fixed layout of the main window as plain data, one table per kind of control. Positions
// and sizes are in twips (1/1440 inch) from the top left corner of the client area.
namespace korvelin::layout {

inline constexpr int kTwipsPerPixel = 15;  // 96 device-independent pixels per inch
// The layout reaches 13200 twips across; the client area is four pixels wider, so that Line13,
// a pen three pixels wide on x = 13200, shows whole.
inline constexpr int kClientWidth = 13260;
inline constexpr int kClientHeight = 10215;

struct Rect {
  int left, top, width, height;
};

struct Point {
  int x, y;
};

struct Rgb {
  int red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWindowBack{255, 255, 192};

// The font codes of the tables. W is the window's own font, used by the diagram's point labels.
enum class Font { T9, T12, S8, M8, W };

struct FontSpec {
  Font code;
  std::string_view face;
  double points;
  bool bold;
};

// What a button's click does: a calculation run, the end of the program, the report.
enum class Command { Calculate, End, Print };

struct Button {
  Command command;
  std::string_view name;
  std::string_view caption;
  Rect rect;
  Rgb back;
  Font font;
  int tabIndex;
};

// Single-line, left-aligned, in the system's default colours.
struct TextBoxSpec {
  TextBox box;
  Rect rect;
  Font font;
  int tabIndex;
};

enum class Wrap { None, Words };

// The lines of a caption that wraps by words, as their lengths in code units: each line as many
// words as fit in the width, at least one, and the blanks after its last word. A line is measured
// without its trailing blanks. Words break at blanks only: the runs of blanks in the two-line
// captions put each term on a line of its own, and no line breaks between two ideographs.
std::vector<std::size_t> wordLines(std::u16string_view caption, double width,
                                   const std::function<double(std::u16string_view)>& measure);

// Left-aligned, borderless, transparent over the window's background.
struct Label {
  std::string_view name;
  std::string_view caption;
  Rect rect;
  Font font;
  Wrap wrap = Wrap::None;
};

// nullopt stands for the system's window-text colour.
struct Line {
  std::string_view name;
  Point from, to;
  std::optional<Rgb> colour;
  int widthPixels;
};

// Where a prompt opens: the empty part of the client area above the frame and left of the
// diagram, so that it covers none of the echo boxes Text1 … Text9, Text14 and Text17 that the
// user checks while it is open.
inline constexpr Rect kPromptArea{120, 120, 9000, 4320};

// The top left corner of a prompt of this size in twips, centred in kPromptArea; a prompt larger
// than the area keeps to the area's top left corner. The front end keeps it on the screen.
Point promptPosition(int widthTwips, int heightTwips);

std::span<const FontSpec> fonts();
const FontSpec& fontSpec(Font code);

std::span<const Button> buttons();
std::span<const TextBoxSpec> textBoxes();
std::span<const Label> labels();
std::span<const Line> lines();

}  // namespace korvelin::layout
