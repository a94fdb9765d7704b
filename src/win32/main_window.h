#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/commands.h"
#include "record/report_printer.h"
#include "record/result_window.h"
#include "record/window_layout.h"
#include "win32/input_prompt.h"
#include "win32/window_fonts.h"

namespace korvelin::win32 {

// The one window of the program: a frame with the caption "Korvelin" around the fixed layout of
// the tables in window_layout.h, and the three commands over the one calculation record. The
// layout lies on a child window of its own, which scrolls inside the frame when the work area is
// smaller than the layout. Runs ask through modal prompts over it and write its text boxes;
// nothing ever reads them.
class MainWindow : public ResultWindow {
 public:
  MainWindow();
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Shows the window with the focus on Text1.
  void show(int how = SW_SHOWNORMAL);

  void setText(TextBox box, const std::string& text) override;
  void showMessage(MessageKind kind, const std::string& text) override;

  HWND frame() const { return frame_; }
  HWND layoutWindow() const { return layout_; }
  HWND textBox(TextBox box) const;
  HWND button(layout::Command command) const;
  // The tooltip of a text box: its whole text when the box cuts it, else empty.
  std::string toolTip(TextBox box) const;
  const Commands& commands() const { return *commands_; }

  // Keys the window handles itself before the dialog manager sees them: Enter on a focused
  // button clicks it, as Space does. True when the message is used up.
  bool takeKey(const MSG& message);

 private:
  static LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK layoutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onFrame(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onLayout(UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  void addToolTips();
  void updateToolTip(HWND box, const std::wstring& text);
  void layOut(UINT dpi);
  void fitFrame(const RECT* suggested);
  void updateScrollBars();
  void scrollTo(int x, int y);
  void scroll(int bar, WPARAM request);
  void scrollIntoView(HWND control);
  void paintLayout(HDC dc) const;
  void drawLine(HDC dc, const layout::Line& line, COLORREF windowText) const;
  void drawLabel(HDC dc, const layout::Label& label) const;
  void drawButton(const DRAWITEMSTRUCT& item) const;
  void onControl(int id, int notification, HWND control);
  void run(layout::Command command);

  HWND frame_ = nullptr;
  HWND layout_ = nullptr;
  std::array<HWND, 29> textBoxes_{};
  std::array<HWND, 3> buttons_{};
  HWND savedFocus_ = nullptr;
  HWND toolTips_ = nullptr;
  UINT dpi_ = 96;
  SIZE layoutSize_{};
  POINT scrolled_{};
  bool settlingBars_ = false;
  WindowFonts fonts_;
  HBRUSH background_ = nullptr;
  std::optional<InputPrompt> prompt_;
  std::unique_ptr<ReportPrinter> printer_;
  std::optional<Commands> commands_;
};

// The message loop of the program, with the window's keys and the dialog manager's Tab order;
// returns when the window has ended the program.
int runMessageLoop(MainWindow& window);

}  // namespace korvelin::win32
