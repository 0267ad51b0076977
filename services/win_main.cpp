// The process's main routine.
#include <windows.h>

#include "core/program.h"
#include "services/services_state.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ProgramEntry();
  ShutdownWindowServices();
  // The quit request's code: an orderly end is always 0.
  return Services().lifecycle.exitCode;
}
