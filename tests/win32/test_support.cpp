#include "tests/win32/test_support.h"

#include "tests/win32/input.h"
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

void PressKey(WORD key, bool shift) {
  SendKey(key, shift);
  PumpEvents(80);
}

void TypeUnicode(const std::wstring& text) {
  SendUnicodeText(text);
  PumpEvents(100);
}

HWND Control(WindowId window, ControlId control) { return FindControl(window, control); }

RECT ClientRectOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string TakeText(TextValue text) {
  std::string bytes = text ? text : "<null>";
  ReleaseText(text);
  return bytes;
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
