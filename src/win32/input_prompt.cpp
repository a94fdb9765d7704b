#include "win32/input_prompt.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "record/window_layout.h"
#include "win32/dpi.h"
#include "win32/wide_text.h"
#include "win32/window_fonts.h"

namespace korvelin::win32 {
namespace {

// The dialog's client area and controls in pixels at 96 DPI, the platform's input box in shape:
// the text at the top left, OK and Cancel on the right, the field across the bottom.
constexpr int kClientWidth = 372;
constexpr int kClientHeight = 132;
constexpr RECT kTextRect{12, 12, 280, 92};
constexpr RECT kOkRect{292, 12, 362, 38};
constexpr RECT kCancelRect{292, 44, 362, 70};
constexpr RECT kFieldRect{12, 100, 362, 122};

// The prompt's face: "宋体" as in the window, in the weight of the platform's dialogs.
constexpr layout::FontSpec kPromptFont{layout::Font::T9, "宋体", 9, false};

// A DLGTEMPLATE and its items in memory, each part on the alignment the format asks for.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, std::wstring_view title, short items) {
    DLGTEMPLATE head{};
    head.style = style;
    head.cdit = items;
    append(&head, sizeof head);
    word(0);  // no menu
    word(0);  // the dialog class
    text(title);
  }

  void item(DWORD style, WORD id, WORD atom, std::wstring_view title) {
    align(sizeof(DWORD));
    DLGITEMTEMPLATE head{};
    head.style = style | WS_CHILD | WS_VISIBLE;
    head.cx = 10;  // placed in pixels once the dialog exists
    head.cy = 10;
    head.id = id;
    append(&head, sizeof head);
    word(0xFFFF);
    word(atom);
    text(title);
    word(0);  // no creation data
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void append(const void* data, std::size_t size) {
    const auto* from = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), from, from + size);
  }
  void word(WORD value) { append(&value, sizeof value); }
  void text(std::wstring_view value) {
    append(value.data(), value.size() * sizeof(wchar_t));
    word(0);
  }
  void align(std::size_t to) {
    while (bytes_.size() % to) bytes_.push_back(0);
  }

  std::vector<std::uint8_t> bytes_;  // new[] storage: the DWORD alignment the start needs
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct Session {
  std::wstring text;
  std::wstring answer;
  HWND layout;
  HFONT font = nullptr;
};

RECT scaledRect(const RECT& rect, UINT dpi) {
  return {scaled(rect.left, dpi), scaled(rect.top, dpi), scaled(rect.right, dpi),
          scaled(rect.bottom, dpi)};
}

void placeControl(HWND dialog, int id, const RECT& base, UINT dpi, HFONT font) {
  HWND control = GetDlgItem(dialog, id);
  const RECT rect = scaledRect(base, dpi);
  MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The whole rectangle on the screen, moved as little as it takes to lie in the work area.
POINT keptOnScreen(POINT corner, SIZE size, HWND nearWindow) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(nearWindow, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  corner.x = std::max(work.left, std::min(corner.x, work.right - size.cx));
  corner.y = std::max(work.top, std::min(corner.y, work.bottom - size.cy));
  return corner;
}

// Sizes the dialog for the DPI of the layout's window and puts it in the prompt area.
void placeDialog(HWND dialog, const Session& session, UINT dpi) {
  RECT frame{0, 0, scaled(kClientWidth, dpi), scaled(kClientHeight, dpi)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
  const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  const int twipsPerInch = 1440;
  const layout::Point at = layout::promptPosition(MulDiv(size.cx, twipsPerInch, dpi),
                                                  MulDiv(size.cy, twipsPerInch, dpi));
  POINT corner{pixels(at.x, dpi), pixels(at.y, dpi)};
  ClientToScreen(session.layout, &corner);
  corner = keptOnScreen(corner, size, session.layout);
  SetWindowPos(dialog, nullptr, corner.x, corner.y, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK promptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      session = reinterpret_cast<Session*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const UINT dpi = windowDpi(session->layout);
      // The template's font carries no character set under Wine: the controls get theirs here.
      session->font = createLayoutFont(kPromptFont, dpi);
      placeControl(dialog, kPromptTextId, kTextRect, dpi, session->font);
      placeControl(dialog, IDOK, kOkRect, dpi, session->font);
      placeControl(dialog, IDCANCEL, kCancelRect, dpi, session->font);
      placeControl(dialog, kPromptFieldId, kFieldRect, dpi, session->font);
      SetDlgItemTextW(dialog, kPromptTextId, session->text.c_str());
      placeDialog(dialog, *session, dpi);
      SetFocus(GetDlgItem(dialog, kPromptFieldId));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        HWND field = GetDlgItem(dialog, kPromptFieldId);
        std::wstring answer(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
        answer.resize(static_cast<std::size_t>(
            GetWindowTextW(field, answer.data(), static_cast<int>(answer.size()))));
        session->answer = std::move(answer);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      if (session && session->font) DeleteObject(session->font);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> InputPrompt::ask(const std::string& text) {
  DialogTemplate dialog(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, L"Korvelin", 4);
  dialog.item(SS_LEFT | SS_NOPREFIX, kPromptTextId, kStaticAtom, L"");
  dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, kButtonAtom, L"确定");
  dialog.item(BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, kButtonAtom, L"取消");
  dialog.item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kPromptFieldId, kEditAtom, L"");
  Session session{wideText(text), {}, layout_};
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner_,
                                                 promptProc, reinterpret_cast<LPARAM>(&session));
  if (result != IDOK) return std::nullopt;
  return utf8Text(session.answer);
}

}  // namespace korvelin::win32
