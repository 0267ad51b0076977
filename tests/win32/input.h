// Real input through the system's input queue, as a keyboard and a mouse
// give it. It goes to whichever window has the focus.
#pragma once

#include <windows.h>

#include <string>

void SendKey(WORD key, bool shift = false);
void SendCtrlKey(WORD key);
// Each character as a Unicode key stroke, as an input method delivers it.
void SendUnicodeText(const std::wstring& text);
// A left click at the centre of the window.
void SendClick(HWND hwnd);
