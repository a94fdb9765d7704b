// A bare Win32 window of the same client size, built the same way: the yardstick for
// korvelin.exe's time to its first paint.
#include "first_paint.h"

namespace {

LRESULT CALLBACK bareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      reportFirstPaint();
      PostQuitMessage(0);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int main() {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  type.lpszClassName = L"BareWindow";
  type.lpfnWndProc = bareProc;
  RegisterClassExW(&type);
  RECT frame{0, 0, 882, 681};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  HWND window = CreateWindowExW(0, L"BareWindow", L"Korvelin", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, type.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
