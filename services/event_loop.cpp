// Opening windows, the event loops and the keyboard rules of form windows.
#include <windows.h>

#include "services/services_state.h"

namespace {
const char kStartupWindowFailed[] = "加载启动窗口失败。";

// Visible, enabled controls with a tab stop, by TabOrder; among equal
// values the later entry comes first.
class TabOrder {
 public:
  explicit TabOrder(const OpenWindow& w) : window_(w) {
    const FormEntry* entries = w.form->entries;
    for (uint32_t i = w.form->entryCount - 1; i >= 1; --i) {
      if (!entries[i].tabStop || !IsWindowVisible(w.controls[i]) ||
          !IsWindowEnabled(w.controls[i])) {
        continue;
      }
      // Insertion keeps equal keys in the order met: later entries first.
      uint32_t at = count_;
      while (at > 0 && entries[entry_[at - 1]].tabOrder > entries[i].tabOrder) {
        entry_[at] = entry_[at - 1];
        --at;
      }
      entry_[at] = i;
      ++count_;
    }
  }

  uint32_t count() const { return count_; }
  HWND operator[](uint32_t k) const { return window_.controls[entry_[k]]; }

 private:
  const OpenWindow& window_;
  uint32_t entry_[kMaxEntries] = {};
  uint32_t count_ = 0;
};

void FocusControl(HWND control, bool selectAll) {
  SetFocus(control);
  wchar_t className[8] = {};
  GetClassNameW(control, className, 8);
  if (selectAll && lstrcmpiW(className, L"Edit") == 0) SendMessageW(control, EM_SETSEL, 0, -1);
}

void MoveFocus(OpenWindow& w, bool backwards) {
  TabOrder order(w);
  const uint32_t n = order.count();
  if (n == 0) return;
  HWND focus = GetFocus();
  uint32_t at = 0;
  while (at < n && order[at] != focus) ++at;
  uint32_t next;
  if (at == n) {
    next = backwards ? n - 1 : 0;
  } else {
    next = backwards ? (at + n - 1) % n : (at + 1) % n;
  }
  FocusControl(order[next], true);
}

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void DispatchOne(MSG& msg) {
  if (HandleFormKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

// Runs until the window has been destroyed. A quit request is left in the
// queue for the outer loop.
void RunModalLoop(HWND window) {
  MSG msg;
  while (IsWindow(window)) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) return;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) continue;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchOne(msg);
  }
}

void BringToFront(HWND hwnd) {
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetForegroundWindow(hwnd);
}
}  // namespace

void ReturnActivation(HWND previouslyActive) {
  if (GetForegroundWindow() == nullptr && IsWindow(previouslyActive) &&
      IsWindowEnabled(previouslyActive)) {
    SetForegroundWindow(previouslyActive);
  }
}

void FocusRememberedControl(OpenWindow& w) {
  if (w.lastFocus != nullptr && IsWindow(w.lastFocus) && IsChild(w.hwnd, w.lastFocus)) {
    SetFocus(w.lastFocus);
    return;
  }
  TabOrder order(w);
  if (order.count() > 0) FocusControl(order[0], false);
}

bool HandleFormKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  OpenWindow* w = FindOpenWindow(GetAncestor(msg.hwnd, GA_ROOT));
  if (w == nullptr) return false;
  const FormEntry& e = w->form->entries[0];
  bool ctrl = KeyIsDown(VK_CONTROL), shift = KeyIsDown(VK_SHIFT), alt = KeyIsDown(VK_MENU);
  switch (msg.wParam) {
    case VK_TAB:
      if (ctrl || alt) return false;
      MoveFocus(*w, shift);
      return true;
    case VK_ESCAPE:
      if (!e.escCloses || ctrl || shift || alt) return false;
      PostMessageW(w->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_RETURN:
      // No button is a default button: Enter starts nothing.
      if (e.enterMovesFocus) MoveFocus(*w, false);
      return true;
  }
  return false;
}

void OpenStartupWindow(WindowId window) {
  const FormDescription* form = FindForm(window);
  if (form == nullptr || BuildWindow(*form, nullptr) == nullptr) {
    FatalStop(kStartupWindowFailed, 0);
  }
}

void RunEventLoop() {
  ServicesState& s = Services();
  s.lifecycle.loopStarted = true;
  if (OpenWindowCount() == 0) return;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
  if (msg.message == WM_QUIT) s.lifecycle.exitCode = static_cast<int>(msg.wParam);
}

bool OpenModalWindow(WindowId window) {
  ServicesState& s = Services();
  if (OpenWindow* open = FindOpenWindow(window)) {
    BringToFront(open->hwnd);
    return true;
  }
  const FormDescription* form = FindForm(window);
  if (form == nullptr) return false;
  HWND previouslyActive = GetActiveWindow();
  OpenWindow* modal = BuildWindow(*form, s.hiddenWindow);
  if (modal == nullptr) return false;
  HWND modalWindow = modal->hwnd;
  for (OpenWindow& other : s.windows) {
    if (!other.inUse || &other == modal) continue;
    bool wasEnabled = IsWindowEnabled(other.hwnd) != FALSE;
    modal->disabledByModal[modal->disabledCount++] = {other.hwnd, wasEnabled};
    EnableWindow(other.hwnd, FALSE);
  }
  RunModalLoop(modalWindow);
  ReturnActivation(previouslyActive);
  return true;
}
