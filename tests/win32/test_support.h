// Helpers for the tests that open real windows under Wine.
#pragma once

#include <windows.h>

#include <string>

#include "services/services_state.h"
#include "tests/win32/child_process.h"

// Dispatches what the queue holds, through the form key rules, for about
// `milliseconds`; a quit request is left in the queue.
void PumpEvents(int milliseconds = 50);

// Pumps until `done` holds or the time runs out; returns `done()`.
template <typename Done>
bool PumpUntil(Done done, int milliseconds = 3000) {
  DWORD end = GetTickCount() + milliseconds;
  while (!done()) {
    if (GetTickCount() > end) return false;
    PumpEvents(10);
  }
  return true;
}

// Real key input, as a keyboard gives it.
void PressKey(WORD key, bool shift = false);
// Types text through the input queue as Unicode characters.
void TypeUnicode(const std::wstring& text);

HWND Control(WindowId window, ControlId control);
// A control's rectangle in the client coordinates of its top-level window.
RECT ClientRectOf(HWND control);
// The bytes of a text value, or "<null>"; releases the text.
std::string TakeText(TextValue text);

// Opens the main window and makes it the active window; closes it at the end.
class MainWindowFixture {
 public:
  MainWindowFixture();
  ~MainWindowFixture();
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};
