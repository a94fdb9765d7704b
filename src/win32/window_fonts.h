#pragma once

#include <windows.h>

#include <array>

#include "record/window_layout.h"

namespace korvelin::win32 {

// The fonts of the layout tables at one DPI. Every face is asked for with the GB2312 character
// set: on a Chinese Windows "宋体" is SimSun and the Sans faces are the system's own, and where a
// face is missing (Wine) the font mapper then picks a face with Chinese glyphs, not one that
// shows the captions as boxes.
class WindowFonts {
 public:
  WindowFonts() = default;
  WindowFonts(const WindowFonts&) = delete;
  WindowFonts& operator=(const WindowFonts&) = delete;
  ~WindowFonts();

  // Makes the fonts anew for this DPI.
  void create(UINT dpi);
  HFONT font(layout::Font code) const;

 private:
  void release();
  std::array<HFONT, 5> fonts_{};
};

// A font of the tables at this DPI; the caller deletes it.
HFONT createLayoutFont(const layout::FontSpec& row, UINT dpi);

}  // namespace korvelin::win32
