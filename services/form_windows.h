// The window classes of form windows and of the controls that Windows has
// no fitting class for.
#pragma once

#include <windows.h>

inline constexpr wchar_t kFormClass[] = L"TavrinoForm";
inline constexpr wchar_t kGroupBoxClass[] = L"TavrinoGroupBox";
inline constexpr wchar_t kLabelClass[] = L"TavrinoLabel";
