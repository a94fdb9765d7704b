#pragma once

#include <windows.h>

#include "record/window_layout.h"

// Sizes at the DPI of the window that shows them: 96 DPI is 15 twips to the pixel.
namespace korvelin::win32 {

inline constexpr UINT kBaseDpi = 96;

// The DPI of the monitor the window is on, or the system's on a Windows without per-monitor DPI.
UINT windowDpi(HWND window);

inline int pixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}

inline RECT pixels(const layout::Rect& rect, UINT dpi) {
  const int left = pixels(rect.left, dpi);
  const int top = pixels(rect.top, dpi);
  return {left, top, left + pixels(rect.width, dpi), top + pixels(rect.height, dpi)};
}

// A size given in pixels at 96 DPI.
inline int scaled(int basePixels, UINT dpi) {
  return MulDiv(basePixels, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

}  // namespace korvelin::win32

namespace korvelin::win32 {

// The frame rectangle around a client area of this size, with the non-client parts at this DPI.
RECT frameAround(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace korvelin::win32
