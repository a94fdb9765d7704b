#include "win32/dpi.h"

namespace korvelin::win32 {

UINT windowDpi(HWND window) {
  // GetDpiForWindow came with Windows 10 1607; the program also starts on older systems.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow && window) {
    if (const UINT dpi = dpiForWindow(window)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace korvelin::win32

namespace korvelin::win32 {

RECT frameAround(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT frame{0, 0, client.cx, client.cy};
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi)) {
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return frame;
}

}  // namespace korvelin::win32
