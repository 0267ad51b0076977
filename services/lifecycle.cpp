// The lifecycle of the window services: start, orderly end, fatal stop;
// and the table of open windows they keep.
#include <windows.h>

#include <charconv>
#include <cstring>

#include "services/form_windows.h"
#include "services/services_state.h"

namespace {
const char kFatalTitle[] = "Tavrino";
const char kFatalIntro[] = "程序遇到无法恢复的错误，必须退出。";
const char kFatalCode[] = "\r\n错误代码：";
const char kFormsUnreadable[] = "加载窗口描述失败。";

// Appends GBK text converted to UTF-16 without touching the heap, which may
// be what has run out; what does not fit is left off.
void AppendGbk(wchar_t* buffer, int capacity, const char* text) {
  int used = lstrlenW(buffer);
  int room = capacity - used - 1;
  if (room <= 0 || text == nullptr) return;
  int length = static_cast<int>(std::strlen(text));
  while (length > 0) {
    int written = MultiByteToWideChar(936, 0, text, length, buffer + used, room);
    if (written > 0) {
      buffer[used + written] = 0;
      return;
    }
    length = length * 3 / 4;
  }
}

ServicesState state;
}  // namespace

ServicesState& Services() { return state; }

uint32_t OpenWindowCount() {
  uint32_t count = 0;
  for (const OpenWindow& w : state.windows) count += w.inUse;
  return count;
}

void InitWindowServices() {
  ServicesState& s = Services();
  s.instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClasses(s.instance)) FatalStop(kFormsUnreadable, 0);
  // Owner of the windows that must have no taskbar button; never shown.
  s.hiddenWindow = CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenClass, L"", 0, 0, 0, 0, 0, nullptr,
                                   nullptr, s.instance, nullptr);
  FormTable forms = ProgramForms();
  if (!FormsAreReadable(forms)) FatalStop(kFormsUnreadable, 0);
  s.forms = forms;
}

void SetExitRoutine(ExitRoutineRef routine) { Services().lifecycle.exitRoutine = routine; }

void ShutdownWindowServices() {
  ServicesState& s = Services();
  ++s.lifecycle.eventBlock;
  s.forms = {nullptr, 0};
  if (ExitRoutineRef routine = s.lifecycle.exitRoutine) {
    s.lifecycle.exitRoutine = nullptr;
    routine();
  }
  for (OpenWindow& w : s.windows) {
    if (w.inUse && !DestroyWindow(w.hwnd)) w = OpenWindow();
  }
  if (s.hiddenWindow) DestroyWindow(s.hiddenWindow);
  s.hiddenWindow = nullptr;
}

void FatalStop(TextValue message, int32_t code) {
  ServicesState& s = Services();
  ++s.lifecycle.eventBlock;
  wchar_t text[1024] = {};
  AppendGbk(text, 1024, kFatalIntro);
  if (code != 0) {
    char digits[16] = {};
    std::to_chars(digits, digits + sizeof digits - 1, code);
    AppendGbk(text, 1024, kFatalCode);
    AppendGbk(text, 1024, digits);
  }
  if (message != nullptr && message[0] != 0) {
    AppendGbk(text, 1024, "\r\n\r\n");
    AppendGbk(text, 1024, message);
  }
  wchar_t title[32] = {};
  AppendGbk(title, 32, kFatalTitle);
  // No owner and not task-modal: the windows stay as they are, but the
  // raised event block keeps every routine from running.
  MessageBoxW(nullptr, text, title, MB_OK | MB_ICONERROR);
  s.lifecycle.exitRoutine = nullptr;
  ShutdownWindowServices();
  ExitProcess(static_cast<UINT>(-1));
}

void RaiseEvent(EventRoutine routine) {
  if (routine != nullptr && Services().lifecycle.eventBlock == 0) routine();
}

const FormDescription* FindForm(WindowId window) {
  const FormTable& forms = Services().forms;
  for (uint32_t i = 0; i < forms.count; ++i) {
    if (forms.forms[i]->windowId == window) return forms.forms[i];
  }
  return nullptr;
}

OpenWindow* FindOpenWindow(WindowId window) {
  for (OpenWindow& w : state.windows) {
    if (w.inUse && w.form->windowId == window) return &w;
  }
  return nullptr;
}

OpenWindow* FindOpenWindow(HWND hwnd) {
  for (OpenWindow& w : state.windows) {
    if (w.inUse && w.hwnd == hwnd) return &w;
  }
  return nullptr;
}

OpenWindow* FindControlOwner(HWND control, uint32_t* index) {
  if (control == nullptr) return nullptr;
  for (OpenWindow& w : state.windows) {
    if (!w.inUse) continue;
    for (uint32_t i = 1; i < w.form->entryCount; ++i) {
      if (w.controls[i] == control) {
        *index = i;
        return &w;
      }
    }
  }
  return nullptr;
}

HWND FindControl(WindowId window, ControlId control) {
  OpenWindow* w = FindOpenWindow(window);
  if (w == nullptr) return nullptr;
  for (uint32_t i = 1; i < w->form->entryCount; ++i) {
    if (w->form->entries[i].entryId == control) return w->controls[i];
  }
  return nullptr;
}
