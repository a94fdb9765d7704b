#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "record/run_errors.h"
#include "win32/dpi.h"
#include "win32/gdi_report_printer.h"
#include "win32/wide_text.h"

namespace korvelin::win32 {
namespace {

constexpr wchar_t kFrameClass[] = L"KorvelinWindow";
constexpr wchar_t kLayoutClass[] = L"KorvelinLayout";
constexpr wchar_t kCaption[] = L"Korvelin";
constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Control IDs. None is IDOK (1) or IDCANCEL (2): the dialog manager sends those for Enter and
// Esc in any control, and Enter in Text1 must not start a run.
constexpr int kFirstTextBoxId = 1000;
constexpr int kFirstButtonId = 2000;

int textBoxId(TextBox box) {
  return kFirstTextBoxId + static_cast<int>(box);
}

std::size_t slot(TextBox box) {
  return static_cast<std::size_t>(box) - 1;
}

std::size_t slot(layout::Command command) {
  return static_cast<std::size_t>(command);
}

COLORREF colour(const layout::Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

UINT icon(MessageKind kind) {
  switch (kind) {
    case MessageKind::InvalidInput:
      return MB_ICONWARNING;
    case MessageKind::Fault:
      return MB_ICONERROR;
    case MessageKind::Notice:
      return MB_ICONINFORMATION;
  }
  return 0;
}

// The extent of the layout in pixels: the client area of the tables, widened so that the lines
// on its last column and row, drawn centred on them, show whole, and so does every control
// whose box reaches past it ("(Xc,Yc)").
SIZE layoutExtent(UINT dpi) {
  int width = pixels(layout::kClientWidth, dpi);
  int height = pixels(layout::kClientHeight, dpi);
  const auto reach = [&](const layout::Rect& rect) {
    width = std::max(width, pixels(rect.left + rect.width, dpi));
    height = std::max(height, pixels(rect.top + rect.height, dpi));
  };
  for (const auto& row : layout::labels()) reach(row.rect);
  for (const auto& row : layout::textBoxes()) reach(row.rect);
  for (const auto& row : layout::buttons()) reach(row.rect);
  for (const auto& line : layout::lines()) {
    const int half = (scaled(line.widthPixels, dpi) + 1) / 2;
    width = std::max(width, pixels(std::max(line.from.x, line.to.x), dpi) + half);
    height = std::max(height, pixels(std::max(line.from.y, line.to.y), dpi) + half);
  }
  return {width, height};
}

// The report goes to the default printer through GDI, without a dialog.
std::unique_ptr<ReportPrinter> reportPrinter(HWND /*owner*/) {
  return std::make_unique<GdiReportPrinter>();
}

void registerClasses() {
  static const bool registered = [] {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hIcon = LoadIconW(frame.hInstance, MAKEINTRESOURCEW(1));
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = kFrameClass;
    frame.lpfnWndProc = DefWindowProcW;
    WNDCLASSEXW canvas = frame;
    canvas.hIcon = nullptr;
    canvas.hbrBackground = nullptr;  // painted whole in WM_PAINT
    canvas.lpszClassName = kLayoutClass;
    return RegisterClassExW(&frame) && RegisterClassExW(&canvas);
  }();
  (void)registered;
}

}  // namespace

MainWindow::MainWindow() {
  registerClasses();
  background_ = CreateSolidBrush(colour(layout::kWindowBack));
  HINSTANCE instance = GetModuleHandleW(nullptr);
  frame_ = CreateWindowExW(0, kFrameClass, kCaption, kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrW(frame_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::frameProc));
  // WS_EX_CONTROLPARENT: the dialog manager's Tab goes through the controls on the layout.
  layout_ = CreateWindowExW(WS_EX_CONTROLPARENT, kLayoutClass, L"",
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, frame_, nullptr,
                            instance, nullptr);
  SetWindowLongPtrW(layout_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(layout_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::layoutProc));
  createControls();
  addToolTips();
  dpi_ = windowDpi(frame_);
  layOut(dpi_);
  fitFrame(nullptr);

  prompt_.emplace(frame_, layout_);
  printer_ = reportPrinter(frame_);
  commands_.emplace(*prompt_, *this, *printer_);
  savedFocus_ = textBox(TextBox::Text1);
}

MainWindow::~MainWindow() {
  if (frame_) {
    SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
    SetWindowLongPtrW(layout_, GWLP_USERDATA, 0);
    DestroyWindow(frame_);
  }
  DeleteObject(background_);
}

// The controls in the order of their tab indices: the dialog manager's Tab follows the Z order.
void MainWindow::createControls() {
  std::vector<std::tuple<int, const layout::TextBoxSpec*, const layout::Button*>> stops;
  for (const auto& row : layout::textBoxes()) stops.emplace_back(row.tabIndex, &row, nullptr);
  for (const auto& row : layout::buttons()) stops.emplace_back(row.tabIndex, nullptr, &row);
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const auto& [tabIndex, box, button] : stops) {
    if (box) {
      textBoxes_[slot(box->box)] = CreateWindowExW(
          WS_EX_CLIENTEDGE, L"EDIT", L"",
          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0, 0, 0, 0, layout_,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(textBoxId(box->box))), instance, nullptr);
    } else {
      const int id = kFirstButtonId + static_cast<int>(slot(button->command));
      buttons_[slot(button->command)] = CreateWindowExW(
          0, L"BUTTON", wideText(button->caption).c_str(),
          WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 0, 0, 0, 0, layout_,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    }
  }
}

// One tooltip for every text box, shown only while the box cuts its text.
void MainWindow::addToolTips() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  for (HWND box : textBoxes_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = layout_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

// The box cuts a text wider than the room its edit control gives it.
void MainWindow::updateToolTip(HWND box, const std::wstring& text) {
  RECT room{};
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  HDC dc = GetDC(box);
  const HGDIOBJ before =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, before);
  ReleaseDC(box, dc);
  std::wstring tip = size.cx > room.right - room.left ? text : std::wstring();
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = layout_;
  tool.uId = reinterpret_cast<UINT_PTR>(box);
  tool.lpszText = tip.data();
  SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string MainWindow::toolTip(TextBox box) const {
  std::wstring tip(1024, L'\0');
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = layout_;
  tool.uId = reinterpret_cast<UINT_PTR>(textBox(box));
  tool.lpszText = tip.data();
  SendMessageW(toolTips_, TTM_GETTEXTW, tip.size(), reinterpret_cast<LPARAM>(&tool));
  tip.resize(tip.find(L'\0'));
  return utf8Text(tip);
}

// Places every control and makes the fonts for this DPI.
void MainWindow::layOut(UINT dpi) {
  fonts_.create(dpi);
  const auto place = [](HWND control, const layout::Rect& rect, HFONT font, UINT at) {
    const RECT r = pixels(rect, at);
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  };
  for (const auto& row : layout::textBoxes()) {
    place(textBox(row.box), row.rect, fonts_.font(row.font), dpi);
  }
  for (const auto& row : layout::buttons()) {
    place(button(row.command), row.rect, fonts_.font(row.font), dpi);
  }
  layoutSize_ = layoutExtent(dpi);
  MoveWindow(layout_, -scrolled_.x, -scrolled_.y, layoutSize_.cx, layoutSize_.cy, FALSE);
  InvalidateRect(layout_, nullptr, TRUE);
}

// Sizes the frame to show the whole layout, or as much as the work area holds; then the layout
// scrolls. suggested: the place Windows proposes after a change of DPI.
void MainWindow::fitFrame(const RECT* suggested) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(frame_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const RECT whole = frameAround(layoutSize_, kFrameStyle, 0, dpi_);
  const int width = std::min(whole.right - whole.left, work.right - work.left);
  const int height = std::min(whole.bottom - whole.top, work.bottom - work.top);
  RECT now{};
  GetWindowRect(frame_, &now);
  POINT corner = suggested ? POINT{suggested->left, suggested->top} : POINT{now.left, now.top};
  corner.x = std::max(work.left, std::min(corner.x, work.right - width));
  corner.y = std::max(work.top, std::min(corner.y, work.bottom - height));
  SetWindowPos(frame_, nullptr, corner.x, corner.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  updateScrollBars();
}

// A scroll bar for each direction in which the client area is smaller than the layout. Showing
// one bar narrows the room for the other, so the bars are settled twice, from none.
void MainWindow::updateScrollBars() {
  if (settlingBars_) return;  // showing or hiding a bar resizes the client area: WM_SIZE
  settlingBars_ = true;
  ShowScrollBar(frame_, SB_BOTH, FALSE);
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{};
    GetClientRect(frame_, &client);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = layoutSize_.cx - 1;
    info.nPage = static_cast<UINT>(client.right);
    SetScrollInfo(frame_, SB_HORZ, &info, TRUE);
    info.nMax = layoutSize_.cy - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    SetScrollInfo(frame_, SB_VERT, &info, TRUE);
  }
  settlingBars_ = false;
  scrollTo(scrolled_.x, scrolled_.y);
}

void MainWindow::scrollTo(int x, int y) {
  RECT client{};
  GetClientRect(frame_, &client);
  x = std::max(0, std::min(x, static_cast<int>(layoutSize_.cx - client.right)));
  y = std::max(0, std::min(y, static_cast<int>(layoutSize_.cy - client.bottom)));
  scrolled_ = {x, y};
  SetScrollPos(frame_, SB_HORZ, x, TRUE);
  SetScrollPos(frame_, SB_VERT, y, TRUE);
  SetWindowPos(layout_, nullptr, -x, -y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::scroll(int bar, WPARAM request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(frame_, bar, &info);
  int position = info.nPos;
  const int step = scaled(20, dpi_);
  switch (LOWORD(request)) {
    case SB_LINEUP:
      position -= step;
      break;
    case SB_LINEDOWN:
      position += step;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      return;
  }
  if (bar == SB_HORZ) {
    scrollTo(position, scrolled_.y);
  } else {
    scrollTo(scrolled_.x, position);
  }
}

// Moving the focus to a control that lies outside the client area scrolls it into view.
void MainWindow::scrollIntoView(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, layout_, reinterpret_cast<POINT*>(&rect), 2);
  RECT client{};
  GetClientRect(frame_, &client);
  const auto into = [](int from, int size, int start, int end) {
    if (start < from) return start;
    if (end > from + size) return std::min(start, end - size);
    return from;
  };
  scrollTo(into(scrolled_.x, client.right, rect.left, rect.right),
           into(scrolled_.y, client.bottom, rect.top, rect.bottom));
}

void MainWindow::show(int how) {
  ShowWindow(frame_, how);
  UpdateWindow(frame_);
  SetFocus(textBox(TextBox::Text1));
}

HWND MainWindow::textBox(TextBox box) const {
  return textBoxes_[slot(box)];
}

HWND MainWindow::button(layout::Command command) const {
  return buttons_[slot(command)];
}

void MainWindow::setText(TextBox box, const std::string& text) {
  const std::wstring wide = wideText(text);
  SetWindowTextW(textBox(box), wide.c_str());
  updateToolTip(textBox(box), wide);
}

void MainWindow::showMessage(MessageKind kind, const std::string& text) {
  MessageBoxW(frame_, wideText(text).c_str(), kCaption, MB_OK | icon(kind));
}

bool MainWindow::takeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  const auto found = std::find(buttons_.begin(), buttons_.end(), message.hwnd);
  if (found == buttons_.end()) return false;
  const int id = kFirstButtonId + static_cast<int>(found - buttons_.begin());
  SendMessageW(layout_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(message.hwnd));
  return true;
}

void MainWindow::run(layout::Command command) {
  switch (command) {
    case layout::Command::Calculate:
      commands_->command1();
      break;
    case layout::Command::End:
      DestroyWindow(frame_);  // the program ends at once
      break;
    case layout::Command::Print:
      commands_->command3();
      break;
  }
}

void MainWindow::onControl(int id, int notification, HWND control) {
  if (notification == EN_SETFOCUS || notification == BN_SETFOCUS) {
    scrollIntoView(control);
    return;
  }
  const int command = id - kFirstButtonId;
  if (notification == BN_CLICKED && command >= 0 && command < static_cast<int>(buttons_.size())) {
    run(layout::buttons()[static_cast<std::size_t>(command)].command);
  }
}

void MainWindow::paintLayout(HDC dc) const {
  RECT whole{0, 0, layoutSize_.cx, layoutSize_.cy};
  FillRect(dc, &whole, background_);
  const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
  for (const auto& line : layout::lines()) drawLine(dc, line, windowText);
  // The labels have no colour of their own: their text cells take the window's background, so
  // that a line of the diagram passing under a caption ("S(5)", "B") does not strike it through.
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, colour(layout::kWindowBack));
  SetTextColor(dc, windowText);
  const HGDIOBJ before = SelectObject(dc, fonts_.font(layout::Font::W));
  for (const auto& label : layout::labels()) drawLabel(dc, label);
  SelectObject(dc, before);
}

// A line of its width, centred on its end points, in its colour or the window-text colour.
void MainWindow::drawLine(HDC dc, const layout::Line& line, COLORREF windowText) const {
  LOGBRUSH brush{BS_SOLID, line.colour ? colour(*line.colour) : windowText, 0};
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                          static_cast<DWORD>(scaled(line.widthPixels, dpi_)), &brush, 0, nullptr);
  const HGDIOBJ before = SelectObject(dc, pen);
  MoveToEx(dc, pixels(line.from.x, dpi_), pixels(line.from.y, dpi_), nullptr);
  LineTo(dc, pixels(line.to.x, dpi_), pixels(line.to.y, dpi_));
  SelectObject(dc, before);
  DeleteObject(pen);
}

// A caption from the top left corner of its label, on the window's background. A label
// that is one line stays one line, however wide the face's glyphs come out; the others wrap by
// words, at blanks only.
void MainWindow::drawLabel(HDC dc, const layout::Label& label) const {
  SelectObject(dc, fonts_.font(label.font));
  const RECT rect = pixels(label.rect, dpi_);
  const std::wstring caption = wideText(label.caption);
  if (label.wrap == layout::Wrap::None) {
    TextOutW(dc, rect.left, rect.top, caption.c_str(), static_cast<int>(caption.size()));
    return;
  }
  const std::u16string units(caption.begin(), caption.end());
  const auto measure = [dc](std::u16string_view line) {
    const std::wstring text(line.begin(), line.end());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<double>(size.cx);
  };
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int top = rect.top;
  std::size_t start = 0;
  for (const std::size_t length : layout::wordLines(units, rect.right - rect.left, measure)) {
    TextOutW(dc, rect.left, top, caption.c_str() + start, static_cast<int>(length));
    start += length;
    top += metrics.tmHeight;
  }
}

// A flat face in the button's colour, a thin frame, the caption centred; pressed, the caption
// moves a pixel; focused, a dotted rectangle inside the frame.
void MainWindow::drawButton(const DRAWITEMSTRUCT& item) const {
  const auto found = std::find(buttons_.begin(), buttons_.end(), item.hwndItem);
  if (found == buttons_.end()) return;
  const auto& row = layout::buttons()[static_cast<std::size_t>(found - buttons_.begin())];
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  HBRUSH face = CreateSolidBrush(colour(row.back));
  FillRect(dc, &rect, face);
  DeleteObject(face);
  const bool pressed = item.itemState & ODS_SELECTED;
  FrameRect(dc, &rect, GetSysColorBrush(pressed ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  const HGDIOBJ before = SelectObject(dc, fonts_.font(row.font));
  RECT text = rect;
  if (pressed) OffsetRect(&text, 1, 1);
  DrawTextW(dc, wideText(row.caption).c_str(), -1, &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, before);
  if (item.itemState & ODS_FOCUS) {
    const int inset = scaled(3, dpi_);
    InflateRect(&rect, -inset, -inset);
    DrawFocusRect(dc, &rect);
  }
}

LRESULT CALLBACK MainWindow::frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->onFrame(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::layoutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->onLayout(message, wParam, lParam);
}

LRESULT MainWindow::onFrame(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      // The focus leaves with the prompts and message boxes and comes back to where it was.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(frame_, focus)) savedFocus_ = focus;
      } else if (savedFocus_) {
        SetFocus(savedFocus_);
      }
      return 0;
    case WM_HSCROLL:
      scroll(SB_HORZ, wParam);
      return 0;
    case WM_VSCROLL:
      scroll(SB_VERT, wParam);
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) updateScrollBars();
      return 0;
    case WM_DPICHANGED:
      dpi_ = HIWORD(wParam);
      layOut(dpi_);
      fitFrame(reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_COMMAND:
      return 0;  // IDOK and IDCANCEL of the dialog manager: Enter and Esc do nothing here
    case WM_CLOSE:
      DestroyWindow(frame_);  // the close box ends the program at once
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND ending = frame_;
      frame_ = nullptr;
      layout_ = nullptr;
      return DefWindowProcW(ending, message, wParam, lParam);
    }
    default:
      return DefWindowProcW(frame_, message, wParam, lParam);
  }
}

LRESULT MainWindow::onLayout(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole layout
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(layout_, &paint);
      paintLayout(dc);
      EndPaint(layout_, &paint);
      return 0;
    }
    case WM_DRAWITEM:
      drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      onControl(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      return DefWindowProcW(layout_, message, wParam, lParam);
  }
}

int runMessageLoop(MainWindow& window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.takeKey(message)) continue;
    if (window.frame() && IsDialogMessageW(window.frame(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace korvelin::win32
