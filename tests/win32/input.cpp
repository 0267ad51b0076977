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
  const POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // Under Wine an absolute move sent together with the press can arrive
  // after it, so the pointer is placed first and the press waits for it.
  POINT at = {};
  for (int attempt = 0; attempt < 50; ++attempt) {
    SetCursorPos(centre.x, centre.y);
    Sleep(20);
    GetCursorPos(&at);
    if (at.x == centre.x && at.y == centre.y) break;
  }
  INPUT click[2] = {};
  for (INPUT& input : click) input.type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
}
