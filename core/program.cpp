#include "core/program.h"

#include "services/window_services.h"
#include "ui/ids.h"

// The program keeps no state of its own: nothing to set up, nothing to clean.
void InitGlobals() {}
void ExitRoutine() {}

int32_t ProgramEntry() {
  InitWindowServices();
  InitGlobals();
  SetExitRoutine(ExitRoutine);
  OpenStartupWindow(MainWindowId);
  RunEventLoop();
  return 0;
}
