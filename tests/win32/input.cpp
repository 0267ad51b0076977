#include "tests/win32/input.h"

#include <vector>

namespace {
INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendChord(WORD modifier, WORD key) {
  Send({Key(modifier, false), Key(key, false), Key(key, true), Key(modifier, true)});
}
}  // namespace

void SendKey(WORD key, bool shift) {
  if (shift) {
    SendChord(VK_SHIFT, key);
  } else {
    Send({Key(key, false), Key(key, true)});
  }
}

void SendCtrlKey(WORD key) { SendChord(VK_CONTROL, key); }

void SendUnicodeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT press[2] = {};
    for (int i = 0; i < 2; ++i) {
      press[i].type = INPUT_KEYBOARD;
      press[i].ki.wScan = c;
      press[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, press, sizeof(INPUT));
  }
}

void SendClick(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  INPUT click[3] = {};
  for (INPUT& input : click) input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 over the primary screen.
  click[0].mi.dx = MulDiv((rect.left + rect.right) / 2, 65536, GetSystemMetrics(SM_CXSCREEN));
  click[0].mi.dy = MulDiv((rect.top + rect.bottom) / 2, 65536, GetSystemMetrics(SM_CYSCREEN));
  click[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, click, sizeof(INPUT));
}
