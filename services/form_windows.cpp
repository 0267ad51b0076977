// Window procedures of form windows, group boxes and labels, and the
// painting they share.
#include "services/form_windows.h"

#include "services/services_state.h"

namespace {
COLORREF ColorOf(uint32_t color) {
  return color == DefaultColor ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color);
}

void Fill(HDC hdc, const RECT& rect, uint32_t color) {
  SetDCBrushColor(hdc, ColorOf(color));
  FillRect(hdc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

const FormEntry* EntryOf(HWND hwnd) {
  uint32_t index = 0;
  OpenWindow* w = FindControlOwner(hwnd, &index);
  return w != nullptr ? &w->form->entries[index] : nullptr;
}

HFONT FontOf(HWND hwnd) {
  return reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
}

// The window's BackColor, with its picture tiled from the top-left corner.
void PaintFormBackground(const OpenWindow& w, HDC hdc) {
  RECT client;
  GetClientRect(w.hwnd, &client);
  Fill(hdc, client, w.form->entries[0].backColor);
  if (w.backPicture == nullptr) return;
  ICONINFO info = {};
  GetIconInfo(w.backPicture, &info);
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  int size = bitmap.bmWidth;
  if (size <= 0) return;
  for (int y = 0; y < client.bottom; y += size) {
    for (int x = 0; x < client.right; x += size) {
      DrawIconEx(hdc, x, y, w.backPicture, size, size, 0, nullptr, DI_NORMAL);
    }
  }
}

// Filled with BackColor, framed by an etched line; a caption sits in the
// frame's top edge.
void PaintGroupBox(HWND hwnd, const FormEntry& e, HDC hdc) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  Fill(hdc, rect, e.backColor);
  HGDIOBJ oldFont = SelectObject(hdc, FontOf(hwnd));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(hdc, &metrics);
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
  WideText caption = WideFromGbk(e.caption);
  if (caption.length() > 0) {
    RECT text = {8, 0, rect.right - 8, metrics.tmHeight};
    UINT align = e.hAlign == kAlignCentre ? DT_CENTER : e.hAlign == kAlignRight ? DT_RIGHT : DT_LEFT;
    DrawTextW(hdc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    int width = text.right - text.left + 4;
    int left = align == DT_CENTER ? (rect.right - width) / 2
               : align == DT_RIGHT ? rect.right - 8 - width
                                   : 8;
    RECT back = {left, 0, left + width, metrics.tmHeight};
    Fill(hdc, back, e.backColor);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, ColorOf(e.textColor));
    DrawTextW(hdc, caption.c_str(), -1, &back, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(hdc, oldFont);
}

// Paints what a container shows at the place of its child `child`, in the
// child's coordinates: how a label that paints no background of its own
// lets its parent show through.
void PaintContainerUnder(HWND child, HDC hdc) {
  HWND parent = GetParent(child);
  POINT offset = {0, 0};
  MapWindowPoints(child, parent, &offset, 1);
  POINT oldOrigin;
  OffsetViewportOrgEx(hdc, -offset.x, -offset.y, &oldOrigin);
  if (OpenWindow* form = FindOpenWindow(parent)) {
    PaintFormBackground(*form, hdc);
  } else if (const FormEntry* group = EntryOf(parent)) {
    PaintGroupBox(parent, *group, hdc);
  }
  SetViewportOrgEx(hdc, oldOrigin.x, oldOrigin.y, nullptr);
}

void PaintLabel(HWND hwnd, const FormEntry& e, HDC hdc) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  if (e.kind == EntryKind::TransLabel) {
    PaintContainerUnder(hwnd, hdc);
  } else {
    Fill(hdc, rect, e.backColor);
  }
  UINT format = DT_NOPREFIX;
  format |= e.hAlign == kAlignCentre ? DT_CENTER : e.hAlign == kAlignRight ? DT_RIGHT : DT_LEFT;
  if (e.wordWrap) {
    format |= DT_WORDBREAK;
  } else {
    format |= DT_SINGLELINE;
    format |= e.vAlign == kAlignMiddle ? DT_VCENTER : e.vAlign == kAlignBottom ? DT_BOTTOM : DT_TOP;
  }
  WideText text = WindowText(hwnd);
  HGDIOBJ oldFont = SelectObject(hdc, FontOf(hwnd));
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, ColorOf(e.textColor));
  DrawTextW(hdc, text.c_str(), text.length(), &rect, format);
  SelectObject(hdc, oldFont);
}

// Our own window classes keep the font they are given, as standard
// controls do.
constexpr wchar_t kFontProperty[] = L"TavrinoFont";

LRESULT HandleFont(HWND hwnd, UINT message, WPARAM wParam) {
  if (message == WM_SETFONT) {
    SetPropW(hwnd, kFontProperty, reinterpret_cast<HANDLE>(wParam));
    return 0;
  }
  return reinterpret_cast<LRESULT>(GetPropW(hwnd, kFontProperty));
}

// Group boxes and labels: controls that Windows has no fitting class for,
// painted here from their entries.
LRESULT CALLBACK PaintedControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
    case WM_GETFONT:
      return HandleFont(hwnd, message, wParam);
    case WM_NCDESTROY:
      RemovePropW(hwnd, kFontProperty);
      break;
    case WM_NCHITTEST: {
      // A label lets clicks through to what lies beneath it.
      const FormEntry* e = EntryOf(hwnd);
      if (e != nullptr && e->kind != EntryKind::GroupBox) return HTTRANSPARENT;
      break;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      if (const FormEntry* e = EntryOf(hwnd)) {
        if (e->kind == EntryKind::GroupBox) {
          PaintGroupBox(hwnd, *e, hdc);
        } else {
          PaintLabel(hwnd, *e, hdc);
        }
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    // A group box holds controls but is no dialog: what its children
    // report belongs to the form window.
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void ReleaseWindowResources(OpenWindow& w) {
  for (uint32_t i = 0; i < w.ownFontCount; ++i) DeleteObject(w.ownFonts[i]);
  if (w.bigIcon != nullptr) DestroyIcon(w.bigIcon);
  if (w.smallIcon != nullptr) DestroyIcon(w.smallIcon);
  if (w.backPicture != nullptr) DestroyIcon(w.backPicture);
}

void RestoreDisabledWindows(OpenWindow& w) {
  for (uint32_t i = 0; i < w.disabledCount; ++i) {
    const OpenWindow::DisabledWindow& d = w.disabledByModal[i];
    if (IsWindow(d.hwnd)) EnableWindow(d.hwnd, d.wasEnabled);
  }
  w.disabledCount = 0;
}

// The quit rule: the last form window gone ends the event loop, once the
// loop has started.
void ForgetWindow(OpenWindow& w) {
  RestoreDisabledWindows(w);
  ReleaseWindowResources(w);
  w = OpenWindow();
  const LifecycleState& lifecycle = Services().lifecycle;
  if (OpenWindowCount() == 0 && lifecycle.loopStarted) PostQuitMessage(lifecycle.exitCode);
}

void OnClicked(HWND control) {
  if (const FormEntry* e = EntryOf(control)) {
    if (e->kind == EntryKind::Button) RaiseEvent(e->event0);
  }
}

// Colours of edit boxes that differ from the system's own.
LRESULT EditBoxColors(HWND control, HDC hdc, WPARAM wParam, LPARAM lParam, HWND form) {
  const FormEntry* e = EntryOf(control);
  if (e == nullptr || (e->textColor == kBlack && e->backColor == kWhite)) {
    return DefWindowProcW(form, WM_CTLCOLOREDIT, wParam, lParam);
  }
  SetTextColor(hdc, ColorOf(e->textColor));
  SetBkColor(hdc, ColorOf(e->backColor));
  SetDCBrushColor(hdc, ColorOf(e->backColor));
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  OpenWindow* w = FindOpenWindow(hwnd);
  if (w == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_SETFONT:
    case WM_GETFONT:
      return HandleFont(hwnd, message, wParam);
    case WM_COMMAND:
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) OnClicked(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CTLCOLOREDIT:
      return EditBoxColors(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), wParam,
                           lParam, hwnd);
    case WM_ERASEBKGND:
      PaintFormBackground(*w, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) w->lastFocus = focus;
      }
      break;
    case WM_SETFOCUS:
      FocusRememberedControl(*w);
      return 0;
    case WM_CLOSE:
      // Give the disabled windows back their state before this one goes,
      // so that activation returns to them.
      RestoreDisabledWindows(*w);
      DestroyWindow(hwnd);
      return 0;
    case WM_NCDESTROY:
      RemovePropW(hwnd, kFontProperty);
      ForgetWindow(*w);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HICON icon) {
  WNDCLASSEXW c = {};
  c.cbSize = sizeof c;
  c.lpfnWndProc = proc;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  c.hIcon = icon;
  c.lpszClassName = name;
  return RegisterClassExW(&c) != 0;
}
}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  HICON programIcon = LoadIconW(instance, L"DEFAULT_ICON");
  return Register(instance, kFormClass, FormProc, programIcon) &&
         Register(instance, kPaintedControlClass, PaintedControlProc, nullptr) &&
         Register(instance, kHiddenClass, DefWindowProcW, nullptr);
}
