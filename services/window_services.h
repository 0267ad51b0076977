// What the program asks of its window toolkit. Only ids, texts, ints and
// bools cross this line, so the event routines can run against a fake.
#pragma once

#include <cstdint>

#include "core/text.h"

using WindowId = uint32_t;
using ControlId = uint32_t;
using ExitRoutineRef = void (*)();

// Lifecycle.
void InitWindowServices();
void SetExitRoutine(ExitRoutineRef routine);
void ShutdownWindowServices();
[[noreturn]] void FatalStop(TextValue message, int32_t code);

// Windows and controls.
void OpenStartupWindow(WindowId window);
void RunEventLoop();
bool OpenModalWindow(WindowId window);

// The caller owns the result; an empty control reads as null.
TextValue GetControlText(WindowId window, ControlId control);
// Null writes the empty text. The caller keeps its text.
void SetControlText(WindowId window, ControlId control, TextValue text);

// Task-modal unless the flags ask for system-modal; returns the button used.
int ShowMessageBox(TextValue text, uint32_t flags, TextValue title);

// False when the clipboard is busy or its memory cannot be had.
bool CopyTextToClipboard(TextValue text);
