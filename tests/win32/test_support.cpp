#include "tests/win32/test_support.h"

#include "ui/ids.h"

void PumpEvents(int milliseconds) {
  DWORD end = GetTickCount() + milliseconds;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
      PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
      if (!HandleFormKey(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    Sleep(1);
  } while (GetTickCount() < end);
}

namespace {
void Send(INPUT* inputs, UINT count) { SendInput(count, inputs, sizeof(INPUT)); }

INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}
}  // namespace

void PressKey(WORD key, bool shift) {
  if (shift) {
    INPUT down = Key(VK_SHIFT, false);
    Send(&down, 1);
  }
  INPUT press[] = {Key(key, false), Key(key, true)};
  Send(press, 2);
  if (shift) {
    INPUT up = Key(VK_SHIFT, true);
    Send(&up, 1);
  }
  PumpEvents(80);
}

void TypeUnicode(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT press[2] = {};
    for (int i = 0; i < 2; ++i) {
      press[i].type = INPUT_KEYBOARD;
      press[i].ki.wScan = c;
      press[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    Send(press, 2);
  }
  PumpEvents(100);
}

HWND Control(WindowId window, ControlId control) { return FindControl(window, control); }

RECT ClientRectOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring WindowTextOf(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
  return text;
}

std::string TakeText(TextValue text) {
  std::string bytes = text ? text : "<null>";
  ReleaseText(text);
  return bytes;
}

std::wstring BesideTestProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, length);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + name;
}

MainWindowFixture::MainWindowFixture() {
  OpenStartupWindow(MainWindowId);
  hwnd_ = FindOpenWindow(MainWindowId)->hwnd;
  SetForegroundWindow(hwnd_);
  PumpUntil([this] { return GetForegroundWindow() == hwnd_ && GetFocus() != nullptr; });
  PumpEvents(50);
}

MainWindowFixture::~MainWindowFixture() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  PumpEvents(20);
}
