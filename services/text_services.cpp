// Control texts, message boxes and the clipboard: GBK inside, UTF-16 to Windows.
#include <windows.h>

#include <cstring>

#include "core/text_store.h"
#include "services/services_state.h"

namespace {
constexpr UINT kGbk = 936;
constexpr LCID kChineseSimplified = 0x0804;

HGLOBAL GlobalCopy(const void* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) return nullptr;
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  return memory;
}
}  // namespace

WideText::WideText(int length)
    : text_(reinterpret_cast<wchar_t*>(
          TextStoreAllocate((static_cast<size_t>(length) + 1) * sizeof(wchar_t)))),
      length_(length) {
  std::memset(text_, 0, (static_cast<size_t>(length) + 1) * sizeof(wchar_t));
}

WideText::WideText(WideText&& other) noexcept : text_(other.text_), length_(other.length_) {
  other.text_ = nullptr;
}

WideText::~WideText() {
  if (text_ != nullptr) TextStoreRelease(reinterpret_cast<char*>(text_));
}

WideText WideFromGbk(TextValue text) {
  if (text == nullptr || text[0] == 0) return WideText(0);
  int length = MultiByteToWideChar(kGbk, 0, text, -1, nullptr, 0) - 1;
  WideText wide(length);
  MultiByteToWideChar(kGbk, 0, text, -1, wide.data(), length + 1);
  return wide;
}

WideText WindowText(HWND hwnd) {
  WideText text(GetWindowTextLengthW(hwnd));
  text.set_length(GetWindowTextW(hwnd, text.data(), text.length() + 1));
  return text;
}

TextValue GbkFromWide(const wchar_t* text, int length) {
  if (length <= 0) return nullptr;
  // Characters that GBK lacks arrive as '?', as Windows converts them.
  int bytes = WideCharToMultiByte(kGbk, 0, text, length, nullptr, 0, nullptr, nullptr);
  char* result = TextStoreAllocate(static_cast<size_t>(bytes) + 1);
  WideCharToMultiByte(kGbk, 0, text, length, result, bytes, nullptr, nullptr);
  result[bytes] = 0;
  return result;
}

TextValue GetControlText(WindowId window, ControlId control) {
  HWND hwnd = FindControl(window, control);
  if (hwnd == nullptr) return nullptr;
  WideText wide = WindowText(hwnd);
  return GbkFromWide(wide.c_str(), wide.length());
}

void SetControlText(WindowId window, ControlId control, TextValue text) {
  HWND hwnd = FindControl(window, control);
  if (hwnd != nullptr) SetWindowTextW(hwnd, WideFromGbk(text).c_str());
}

int ShowMessageBox(TextValue text, uint32_t flags, TextValue title) {
  if ((flags & MB_SYSTEMMODAL) == 0) flags |= MB_TASKMODAL;
  HWND previouslyActive = GetActiveWindow();
  int button = MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), flags);
  ReturnActivation(previouslyActive);
  return button;
}

// Places the GBK bytes as CF_TEXT and, in the same session, the same text
// as CF_UNICODETEXT with the Chinese locale, so Unicode programs paste it
// right on any system. Nothing is placed unless all of it can be.
bool CopyTextToClipboard(TextValue text) {
  if (!OpenClipboard(Services().hiddenWindow)) return false;
  EmptyClipboard();
  WideText wide = WideFromGbk(text);
  HGLOBAL ansi = GlobalCopy(text, std::strlen(text) + 1);
  HGLOBAL unicode = GlobalCopy(wide.c_str(), (wide.length() + 1) * sizeof(wchar_t));
  HGLOBAL locale = GlobalCopy(&kChineseSimplified, sizeof kChineseSimplified);
  bool placed = ansi != nullptr && unicode != nullptr && locale != nullptr;
  if (placed) {
    SetClipboardData(CF_TEXT, ansi);
    SetClipboardData(CF_UNICODETEXT, unicode);
    SetClipboardData(CF_LOCALE, locale);
  } else {
    if (ansi != nullptr) GlobalFree(ansi);
    if (unicode != nullptr) GlobalFree(unicode);
    if (locale != nullptr) GlobalFree(locale);
  }
  CloseClipboard();
  return placed;
}
