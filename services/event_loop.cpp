// Opening windows, the event loops and the keyboard rules of form windows.
#include <windows.h>

#include <algorithm>

#include "services/services_state.h"

namespace {
const char kStartupWindowFailed[] = "加载启动窗口失败。";

// Visible, enabled controls with a tab stop, by TabOrder; among equal
// values the later entry comes first.
std::vector<HWND> TabOrder(const OpenWindow& w) {
  std::vector<uint32_t> order;
  for (uint32_t i = w.form->entryCount - 1; i >= 1; --i) {
    const FormEntry& e = w.form->entries[i];
    if (e.tabStop && IsWindowVisible(w.controls[i]) && IsWindowEnabled(w.controls[i])) {
      order.push_back(i);
    }
  }
  std::stable_sort(order.begin(), order.end(), [&w](uint32_t a, uint32_t b) {
    return w.form->entries[a].tabOrder < w.form->entries[b].tabOrder;
  });
  std::vector<HWND> controls;
  for (uint32_t i : order) controls.push_back(w.controls[i]);
  return controls;
}

void FocusControl(HWND control, bool selectAll) {
  SetFocus(control);
  wchar_t className[8] = {};
  GetClassNameW(control, className, 8);
  if (selectAll && lstrcmpiW(className, L"Edit") == 0) SendMessageW(control, EM_SETSEL, 0, -1);
}

void MoveFocus(OpenWindow& w, bool backwards) {
  std::vector<HWND> order = TabOrder(w);
  if (order.empty()) return;
  auto current = std::find(order.begin(), order.end(), GetFocus());
  size_t next;
  if (current == order.end()) {
    next = backwards ? order.size() - 1 : 0;
  } else {
    size_t at = static_cast<size_t>(current - order.begin());
    next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
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
  std::vector<HWND> order = TabOrder(w);
  if (!order.empty()) FocusControl(order.front(), false);
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
  if (s.open.empty()) return;
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
  for (auto& other : s.open) {
    if (other.get() == modal) continue;
    modal->disabledByModal.push_back({other->hwnd, IsWindowEnabled(other->hwnd) != FALSE});
    EnableWindow(other->hwnd, FALSE);
  }
  RunModalLoop(modalWindow);
  ReturnActivation(previouslyActive);
  return true;
}
