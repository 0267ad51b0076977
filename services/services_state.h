// State shared by the window services: the lifecycle record, the form
// table and the windows open from it. Touched only on the GUI thread.
#pragma once

#include <windows.h>

#include <cstdint>

#include "services/window_services.h"
#include "ui/forms.h"

struct LifecycleState {
  ExitRoutineRef exitRoutine = nullptr;
  bool loopStarted = false;
  int32_t eventBlock = 0;  // while above 0, events reach no routine
  int exitCode = 0;        // carried by the quit request
};

// Fixed bounds keep the services free of containers; the form table is
// checked against them before any window exists.
constexpr uint32_t kMaxEntries = 32;      // in one form description
constexpr uint32_t kMaxOpenWindows = 8;  // open at once

// A window built from a form description, with everything it owns.
struct OpenWindow {
  bool inUse = false;
  const FormDescription* form = nullptr;
  HWND hwnd = nullptr;
  HWND controls[kMaxEntries] = {};  // parallel to form->entries; [0] is the window
  HFONT ownFonts[kMaxEntries] = {};  // fonts made from the form's font records
  uint32_t ownFontCount = 0;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  HICON backPicture = nullptr;
  HWND lastFocus = nullptr;  // the control that had the focus on deactivation
  struct DisabledWindow {
    HWND hwnd;
    bool wasEnabled;
  };
  DisabledWindow disabledByModal[kMaxOpenWindows] = {};
  uint32_t disabledCount = 0;
};

struct ServicesState {
  LifecycleState lifecycle;
  HINSTANCE instance = nullptr;
  HWND hiddenWindow = nullptr;
  FormTable forms = {nullptr, 0};
  OpenWindow windows[kMaxOpenWindows];  // a slot stays put while its window is open
};

ServicesState& Services();
uint32_t OpenWindowCount();

const FormDescription* FindForm(WindowId window);
OpenWindow* FindOpenWindow(WindowId window);
OpenWindow* FindOpenWindow(HWND hwnd);
// The window that holds the control, and the control's entry index in it.
OpenWindow* FindControlOwner(HWND control, uint32_t* index);
HWND FindControl(WindowId window, ControlId control);

// UTF-16 text for Windows, in storage from the text store.
class WideText {
 public:
  // Room for `length` characters and the terminator; all zero.
  explicit WideText(int length);
  WideText(WideText&& other) noexcept;
  WideText(const WideText&) = delete;
  WideText& operator=(const WideText&) = delete;
  ~WideText();
  wchar_t* data() { return text_; }
  const wchar_t* c_str() const { return text_; }
  int length() const { return length_; }
  void set_length(int length) { length_ = length; }

 private:
  wchar_t* text_;
  int length_;
};

// Conversions at the Windows edge, always through code page 936.
WideText WideFromGbk(TextValue text);
// An owned text from the text store; an empty input gives null.
TextValue GbkFromWide(const wchar_t* text, int length);
// A window's whole text.
WideText WindowText(HWND hwnd);

// Builds the window and its controls, raises the created event, shows it.
// Returns null when the window cannot be created.
OpenWindow* BuildWindow(const FormDescription& form, HWND owner);
bool RegisterWindowClasses(HINSTANCE instance);
// The form table can be built from: every parent is a group box of the same form.
bool FormsAreReadable(const FormTable& forms);

// Tab, Shift+Tab, Esc and Enter as every form window handles them;
// true when the message was used up.
bool HandleFormKey(const MSG& msg);

// Gives the focus back to the control that had it when the window was last
// deactivated, or else to the first control of the Tab order.
void FocusRememberedControl(OpenWindow& w);

// When a message box or the modal window goes away, Windows may leave no
// window active; the window that was active before gets the activation back.
void ReturnActivation(HWND previouslyActive);

void RaiseEvent(EventRoutine routine);
