#include "window_pilot.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "win32/input_prompt.h"
#include "win32/wide_text.h"

namespace korvelin::testing {
namespace {

PromptPilot* active = nullptr;
std::atomic<std::size_t> promptsServed{0};  // read by the watchdog

constexpr wchar_t kAnswered[] = L"KorvelinPilotAnswered";

// The dialogs of this thread that are still to be served.
std::vector<HWND> openDialogs() {
  std::vector<HWND> dialogs;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && !GetPropW(window, kAnswered)) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

void postKey(HWND to, WPARAM key) {
  PostMessageW(to, WM_KEYDOWN, key, 1);
  PostMessageW(to, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

bool overlaps(const RECT& a, const RECT& b) {
  RECT both{};
  return IntersectRect(&both, &a, &b);
}

}  // namespace

void activate(HWND frame) {
  SetForegroundWindow(frame);
  SetActiveWindow(frame);
}

std::string windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return utf8Text(text);
}

std::vector<std::string> readAnswers(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> answers;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    answers.push_back(line);
  }
  return answers;
}

Transcript readTranscript(const std::string& eventsPath) {
  std::ifstream file(eventsPath, std::ios::binary);
  Transcript transcript;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::string kind, box, text;
    std::getline(fields, kind, '\t');
    std::getline(fields, box, '\t');
    std::getline(fields, text);
    if (kind == "set") transcript.finalTexts[static_cast<TextBox>(std::stoi(box.substr(4)))] = text;
    if (kind == "ask") transcript.asks.push_back(box);
  }
  return transcript;
}

PromptPilot::PromptPilot(const win32::MainWindow& window, std::vector<std::string> answers,
                         Answering how)
    : window_(window), answers_(std::move(answers)), how_(how) {
  active = this;
  timer_ = SetTimer(nullptr, 0, 20, &PromptPilot::tick);
}

PromptPilot::~PromptPilot() {
  KillTimer(nullptr, timer_);
  active = nullptr;
}

void CALLBACK PromptPilot::tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!active) return;
  const std::vector<HWND> dialogs = openDialogs();
  for (HWND dialog : dialogs) active->serve(dialog);
  if (!dialogs.empty() || !active->idle_) return;
  if (GetActiveWindow() != active->window_.frame()) {
    std::printf("pilot: activating the window (active %p)\n",
                static_cast<void*>(GetActiveWindow()));
    activate(active->window_.frame());
    return;  // the next tick finds it active
  }
  active->idle_(*active);
}

void PromptPilot::serve(HWND dialog) {
  SetPropW(dialog, kAnswered, reinterpret_cast<HANDLE>(1));
  HWND field = GetDlgItem(dialog, win32::kPromptFieldId);
  if (!field) {
    fault("unexpected message box: " + windowText(GetDlgItem(dialog, 0xFFFF)));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  const std::string text = windowText(GetDlgItem(dialog, win32::kPromptTextId));
  promptsSeen_.push_back(text);
  ++promptsServed;
  if (windowText(dialog) != "Korvelin") fault("prompt title: " + windowText(dialog));
  if (!windowText(field).empty()) fault("prompt field not empty: " + text);
  checkPlace(dialog);
  if (answeredAll()) {
    fault("unexpected prompt: " + text);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  const std::wstring answer = wideText(answers_[next_++]);
  if (how_ == Answering::SetField) {
    SetWindowTextW(field, answer.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  } else {
    for (const wchar_t c : answer) PostMessageW(field, WM_CHAR, c, 1);
    postKey(field, VK_RETURN);
  }
}

// On the screen, and over none of the boxes that echo what the user is asked to check.
void PromptPilot::checkPlace(HWND dialog) {
  RECT place{};
  GetWindowRect(dialog, &place);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT inside{};
  if (!IntersectRect(&inside, &place, &monitor.rcWork) || !EqualRect(&inside, &place)) {
    fault("prompt not wholly on the screen");
  }
  for (const TextBox echo : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4,
                             TextBox::Text5, TextBox::Text6, TextBox::Text7, TextBox::Text8,
                             TextBox::Text9, TextBox::Text14, TextBox::Text17}) {
    RECT box{};
    GetWindowRect(window_.textBox(echo), &box);
    if (overlaps(place, box)) fault("prompt covers " + textBoxName(echo));
  }
}

void compareWithTranscript(PromptPilot& pilot, const Transcript& transcript) {
  const auto& seen = pilot.promptsSeen();
  for (std::size_t i = 0; i < std::max(seen.size(), transcript.asks.size()); ++i) {
    const std::string have = i < seen.size() ? seen[i] : "(none)";
    const std::string want = i < transcript.asks.size() ? transcript.asks[i] : "(none)";
    if (have != want)
      pilot.fault("prompt " + std::to_string(i + 1) + " \"" + have + "\", not \"" + want + "\"");
  }
  const auto& expected = transcript.finalTexts;
  for (int i = 1; i <= 29; ++i) {
    const auto box = static_cast<TextBox>(i);
    const auto found = expected.find(box);
    const std::string want = found == expected.end() ? std::string() : found->second;
    const std::string have = windowText(pilot.window().textBox(box));
    if (have != want)
      pilot.fault(textBoxName(box) + " holds \"" + have + "\", not \"" + want + "\"");
  }
}

void startWatchdog(DWORD seconds) {
  static DWORD limit = seconds * 1000;
  static DWORD uiThread = GetCurrentThreadId();
  CreateThread(
      nullptr, 0,
      [](void*) -> DWORD {
        Sleep(limit);
        GUITHREADINFO ui{};
        ui.cbSize = sizeof ui;
        GetGUIThreadInfo(uiThread, &ui);
        std::printf(
            "watchdog: the test did not end within %lu s, after %zu prompts "
            "(active window %p, focus %p, foreground %p)\n",
            limit / 1000, promptsServed.load(), static_cast<void*>(ui.hwndActive),
            static_cast<void*>(ui.hwndFocus), static_cast<void*>(GetForegroundWindow()));
        std::fflush(stdout);
        ExitProcess(3);
      },
      nullptr, 0, nullptr);
}

int report(const PromptPilot& pilot, const char* name) {
  for (const auto& fault : pilot.faults()) std::printf("FAIL %s: %s\n", name, fault.c_str());
  std::printf("%s: %zu prompts, %zu faults\n", name, pilot.promptsSeen().size(),
              pilot.faults().size());
  return pilot.faults().empty() ? 0 : 1;
}

}  // namespace korvelin::testing
