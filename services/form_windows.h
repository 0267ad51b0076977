// The window classes of form windows and of the controls that Windows has
// no fitting class for.
#pragma once

#include <windows.h>

inline constexpr wchar_t kFormClass[] = L"TavrinoForm";
// Group boxes and labels.
inline constexpr wchar_t kPaintedControlClass[] = L"TavrinoControl";
// The hidden owner window; it handles nothing of its own.
inline constexpr wchar_t kHiddenClass[] = L"TavrinoHidden";
