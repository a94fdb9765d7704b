#include "win32/window_fonts.h"

#include <cmath>
#include <cstddef>

#include "win32/wide_text.h"

namespace korvelin::win32 {

HFONT createLayoutFont(const layout::FontSpec& row, UINT dpi) {
  LOGFONTW font{};
  // A negative height asks for the character height: the size in points at this DPI.
  font.lfHeight = -static_cast<LONG>(std::lround(row.points * dpi / 72.0));
  font.lfWeight = row.bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = wideText(row.face);
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

WindowFonts::~WindowFonts() {
  release();
}

void WindowFonts::create(UINT dpi) {
  release();
  for (const auto& row : layout::fonts()) {
    fonts_[static_cast<std::size_t>(row.code)] = createLayoutFont(row, dpi);
  }
}

HFONT WindowFonts::font(layout::Font code) const {
  return fonts_[static_cast<std::size_t>(code)];
}

void WindowFonts::release() {
  for (HFONT& font : fonts_) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
}

}  // namespace korvelin::win32
