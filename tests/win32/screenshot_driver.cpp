// Takes the picture of the window at the end of a complete run: the run of the answer script
// given, answered prompt by prompt, then the whole window, frame and caption included, saved as
// a 24-bit BMP. Usage: korvelin-screenshot-driver ANSWERS BMP
#include <cstdio>
#include <fstream>
#include <vector>

#include "window_pilot.h"

using namespace korvelin;
using namespace korvelin::testing;

namespace {

const char* picturePath = nullptr;
bool clicked = false;
bool saved = false;

bool saveWindow(HWND window, const char* path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC source = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(source);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ before = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageBytes;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageBytes);
  SelectObject(memory, before);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return static_cast<bool>(out);
}

void drive(PromptPilot& pilot) {
  if (!clicked) {
    clicked = true;
    PostMessageW(pilot.window().button(layout::Command::Calculate), BM_CLICK, 0, 0);
  } else if (pilot.answeredAll() && !saved) {
    saved = true;
    RedrawWindow(pilot.window().frame(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (!saveWindow(pilot.window().frame(), picturePath)) pilot.fault("cannot write the picture");
    DestroyWindow(pilot.window().frame());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::printf("usage: korvelin-screenshot-driver ANSWERS BMP\n");
    return 2;
  }
  picturePath = argv[2];
  startWatchdog(300);
  win32::MainWindow window;
  window.show();
  PromptPilot pilot(window, readAnswers(argv[1]), Answering::SetField);
  pilot.whenIdle(drive);
  win32::runMessageLoop(window);
  if (!saved) pilot.fault("the run did not come to its end");
  return report(pilot, "screenshot");
}
