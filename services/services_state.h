// State shared by the window services: the lifecycle record, the form
// table and the windows open from it. Touched only on the GUI thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "services/window_services.h"
#include "ui/forms.h"

struct LifecycleState {
  ExitRoutineRef exitRoutine = nullptr;
  bool loopStarted = false;
  int32_t eventBlock = 0;  // while above 0, events reach no routine
  int exitCode = 0;        // carried by the quit request
};

// A window built from a form description, with everything it owns.
struct OpenWindow {
  const FormDescription* form = nullptr;
  HWND hwnd = nullptr;
  std::vector<HWND> controls;  // parallel to form->entries; [0] is the window
  std::vector<HFONT> ownFonts;  // fonts made from the form's font records
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  HICON backPicture = nullptr;
  HWND lastFocus = nullptr;  // the control that had the focus on deactivation
  struct DisabledWindow {
    HWND hwnd;
    bool wasEnabled;
  };
  std::vector<DisabledWindow> disabledByModal;
};

struct ServicesState {
  LifecycleState lifecycle;
  HINSTANCE instance = nullptr;
  HWND hiddenWindow = nullptr;
  FormTable forms = {nullptr, 0};
  std::vector<std::unique_ptr<OpenWindow>> open;
};

ServicesState& Services();

const FormDescription* FindForm(WindowId window);
OpenWindow* FindOpenWindow(WindowId window);
OpenWindow* FindOpenWindow(HWND hwnd);
// The window that holds the control, and the control's entry index in it.
OpenWindow* FindControlOwner(HWND control, uint32_t* index);
HWND FindControl(WindowId window, ControlId control);

// Conversions at the Windows edge, always through code page 936.
std::wstring WideFromGbk(TextValue text);
// An owned text from the text store; an empty input gives null.
TextValue GbkFromWide(const wchar_t* text, int length);

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
