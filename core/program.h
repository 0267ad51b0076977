// The program's start-up routine and its two hooks.
#pragma once

#include <cstdint>

int32_t ProgramEntry();
void InitGlobals();
void ExitRoutine();
