// Turns a form description into a window: frame, controls, stacking, fonts,
// icons. The window procedures live in form_windows.cpp.
#include <windows.h>

#include <cstring>

#include "services/form_windows.h"
#include "services/services_state.h"

namespace {
int32_t IndexOfEntry(const FormDescription& form, uint32_t entryId) {
  for (uint32_t i = 1; i < form.entryCount; ++i) {
    if (form.entries[i].entryId == entryId) return static_cast<int32_t>(i);
  }
  return -1;
}

bool ParentChainIsSound(const FormDescription& form, uint32_t index) {
  // A chain longer than the form has entries has gone round in a circle.
  for (uint32_t steps = 0; steps < form.entryCount; ++steps) {
    uint32_t parent = form.entries[index].parent;
    if (parent == kClientArea) return true;
    int32_t p = IndexOfEntry(form, parent);
    if (p < 0 || form.entries[p].kind != EntryKind::GroupBox) return false;
    index = static_cast<uint32_t>(p);
  }
  return false;
}

bool FormIsReadable(const FormDescription* form) {
  if (form == nullptr || form->entries == nullptr || form->entryCount == 0 ||
      form->entryCount > kMaxEntries) {
    return false;
  }
  if (form->entries[0].kind != EntryKind::Window) return false;
  for (uint32_t i = 1; i < form->entryCount; ++i) {
    if (form->entries[i].kind == EntryKind::Window) return false;
    if (!ParentChainIsSound(*form, i)) return false;
  }
  return true;
}

// Finds the icon image of the largest size in an icon file and makes an
// icon of the given size from it; null when the bytes are not an icon file.
HICON IconFromImage(const Image* image, int size) {
  if (image == nullptr || image->bytes == nullptr || image->size < 6) return nullptr;
  const unsigned char* b = image->bytes;
  auto word = [b](uint32_t at) { return static_cast<uint32_t>(b[at] | b[at + 1] << 8); };
  auto dword = [&word](uint32_t at) { return word(at) | word(at + 2) << 16; };
  uint32_t count = word(4);
  if (word(0) != 0 || word(2) != 1 || count == 0 || image->size < 6 + 16 * count) return nullptr;
  uint32_t best = 0, bestWidth = 0;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t width = b[6 + 16 * i] == 0 ? 256 : b[6 + 16 * i];
    if (width > bestWidth) best = i, bestWidth = width;
  }
  uint32_t bytes = dword(6 + 16 * best + 8);
  uint32_t offset = dword(6 + 16 * best + 12);
  if (offset > image->size || bytes > image->size - offset) return nullptr;
  return CreateIconFromResourceEx(const_cast<unsigned char*>(b + offset), bytes, TRUE, 0x00030000,
                                  size, size, LR_DEFAULTCOLOR);
}

HICON WindowIcon(const Image* image, int size) {
  HICON icon = IconFromImage(image, size);
  if (icon != nullptr) return icon;
  return static_cast<HICON>(
      LoadImageW(Services().instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

// A font record whose face name is not ended inside its field is not a
// complete logical font: such a record is ignored.
HFONT FontFromSpec(const FontSpec* spec) {
  if (spec == nullptr || std::memchr(spec->faceName, 0, sizeof spec->faceName) == nullptr) {
    return nullptr;
  }
  LOGFONTW font = {};
  font.lfHeight = spec->height;
  font.lfWidth = spec->width;
  font.lfEscapement = spec->escapement;
  font.lfOrientation = spec->orientation;
  font.lfWeight = spec->weight;
  font.lfItalic = spec->italic;
  font.lfUnderline = spec->underline;
  font.lfStrikeOut = spec->strikeOut;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  MultiByteToWideChar(936, 0, spec->faceName, -1, font.lfFaceName, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

DWORD WindowStyle(const FormEntry& e) {
  DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
  if (e.controlBox) style |= WS_SYSMENU;
  if (e.minButton) style |= WS_MINIMIZEBOX;
  if (e.maxButton) style |= WS_MAXIMIZEBOX;
  if (e.border != 2) style |= WS_THICKFRAME;
  return style;
}

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassForEntry(const FormEntry& e) {
  DWORD common = WS_CHILD | WS_CLIPSIBLINGS | (e.tabStop ? WS_TABSTOP : 0) |
                 (e.disabled ? WS_DISABLED : 0);
  switch (e.kind) {
    case EntryKind::GroupBox:
      return {kPaintedControlClass, common | WS_CLIPCHILDREN, 0};
    case EntryKind::Label:
    case EntryKind::TransLabel:
      return {kPaintedControlClass, common, 0};
    case EntryKind::EditBox: {
      DWORD style = common | ES_AUTOHSCROLL;
      if (e.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL;
      if (!e.hideSelection) style |= ES_NOHIDESEL;
      if (e.inputMode == 1) style |= ES_READONLY;
      if (e.inputMode == 2) style |= ES_PASSWORD;
      if (e.hAlign == kAlignCentre) style |= ES_CENTER;
      if (e.hAlign == kAlignRight) style |= ES_RIGHT;
      return {L"EDIT", style, e.edgeStyle == 1 ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0};
    }
    case EntryKind::Button: {
      static const DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
      static const DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
      return {L"BUTTON",
              common | BS_PUSHBUTTON | BS_MULTILINE | kHorizontal[e.hAlign % 3] |
                  kVertical[e.vAlign % 3],
              0};
    }
    case EntryKind::Window:
      break;
  }
  return {L"STATIC", common, 0};
}

// Creates the control of entry `index`, its parent group box first.
bool CreateControl(OpenWindow& w, uint32_t index) {
  if (w.controls[index] != nullptr) return true;
  const FormEntry& e = w.form->entries[index];
  HWND parent = w.hwnd;
  if (e.parent != kClientArea) {
    uint32_t p = static_cast<uint32_t>(IndexOfEntry(*w.form, e.parent));
    if (!CreateControl(w, p)) return false;
    parent = w.controls[p];
  }
  ControlClass c = ClassForEntry(e);
  HWND hwnd = CreateWindowExW(c.exStyle, c.className, WideFromGbk(e.caption).c_str(), c.style,
                              e.rect.left, e.rect.top, e.rect.width, e.rect.height, parent,
                              nullptr, Services().instance, nullptr);
  if (hwnd == nullptr) return false;
  w.controls[index] = hwnd;
  HFONT font = FontFromSpec(e.font);
  if (font != nullptr) {
    w.ownFonts[w.ownFontCount++] = font;
  } else {
    font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (e.kind == EntryKind::EditBox && e.maxLength != 0) {
    SendMessageW(hwnd, EM_SETLIMITTEXT, e.maxLength, 0);
  }
  return true;
}

// The earlier sibling in the list lies on top: put each on top, last first.
void StackControls(const OpenWindow& w) {
  for (uint32_t i = w.form->entryCount - 1; i >= 1; --i) {
    SetWindowPos(w.controls[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

POINT WindowPlace(const FormEntry& e) {
  if (e.startPosition == 1) {
    return {(GetSystemMetrics(SM_CXSCREEN) - e.rect.width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - e.rect.height) / 2};
  }
  return {e.rect.left, e.rect.top};
}

bool CreateFrameAndControls(OpenWindow& w, HWND owner) {
  const FormEntry& e = w.form->entries[0];
  POINT place = WindowPlace(e);
  DWORD exStyle = e.alwaysOnTop ? static_cast<DWORD>(WS_EX_TOPMOST) : 0;
  HWND hwnd = CreateWindowExW(exStyle, kFormClass, WideFromGbk(e.caption).c_str(), WindowStyle(e),
                              place.x, place.y, e.rect.width, e.rect.height, owner, nullptr,
                              Services().instance, nullptr);
  if (hwnd == nullptr) return false;
  w.hwnd = w.controls[0] = hwnd;
  // The outer size is exact, whatever frame the system adds.
  SetWindowPos(hwnd, nullptr, place.x, place.y, e.rect.width, e.rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  w.bigIcon = WindowIcon(e.icon, GetSystemMetrics(SM_CXICON));
  w.smallIcon = WindowIcon(e.icon, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(w.bigIcon));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(w.smallIcon));
  w.backPicture = IconFromImage(e.backPicture, 0);
  if (!e.movable) RemoveMenu(GetSystemMenu(hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
  for (uint32_t i = 1; i < w.form->entryCount; ++i) {
    if (!CreateControl(w, i)) return false;
  }
  StackControls(w);
  for (uint32_t i = 1; i < w.form->entryCount; ++i) {
    if (w.form->entries[i].visible) ShowWindow(w.controls[i], SW_SHOWNA);
  }
  return true;
}
}  // namespace

bool FormsAreReadable(const FormTable& forms) {
  if (forms.forms == nullptr || forms.count == 0) return false;
  for (uint32_t i = 0; i < forms.count; ++i) {
    if (!FormIsReadable(forms.forms[i])) return false;
  }
  return true;
}

OpenWindow* BuildWindow(const FormDescription& form, HWND owner) {
  ServicesState& s = Services();
  OpenWindow* w = nullptr;
  for (OpenWindow& slot : s.windows) {
    if (!slot.inUse) {
      w = &slot;
      break;
    }
  }
  if (w == nullptr) return nullptr;
  *w = OpenWindow();
  w->inUse = true;
  w->form = &form;
  // No routine runs while the window is half built.
  ++s.lifecycle.eventBlock;
  bool built = CreateFrameAndControls(*w, owner);
  --s.lifecycle.eventBlock;
  if (!built) {
    if (w->hwnd != nullptr) {
      DestroyWindow(w->hwnd);
    } else {
      *w = OpenWindow();
    }
    return nullptr;
  }
  RaiseEvent(form.entries[0].event0);
  if (form.entries[0].visible) {
    ShowWindow(w->hwnd, SW_SHOW);
    UpdateWindow(w->hwnd);
  }
  return w;
}
