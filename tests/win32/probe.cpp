// A small program the tests start as a child process, to see the lifecycle
// from outside: how it ends, with which exit code, and what it shows.
//
//   probe empty-loop      no window open: the event loop returns at once
//   probe orderly         the main window closes; the exit routine runs once
//   probe fatal-store     the text store fails with the main window open
//   probe fail-generate N the Nth text-store allocation of a generate action
//                         fails; ends with 5 if the action needed fewer
//   probe hold-clipboard  keeps the clipboard open until told to let go
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "core/text_store.h"
#include "services/services_state.h"
#include "services/text_store_hooks.h"
#include "ui/actions.h"
#include "ui/ids.h"

namespace {
// Half the address space: no heap can give it.
constexpr size_t kMoreThanAnyHeapHas = ~static_cast<size_t>(0) / 2;
int exitRoutineRuns = 0;
bool windowsWereGone = false;

void CountingExitRoutine() {
  ++exitRoutineRuns;
  windowsWereGone = FindWindowW(L"TavrinoForm", nullptr) == nullptr;
}

void ExitRoutineThatMustNotRun() { ExitProcess(42); }

int HoldClipboard() {
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, L"TavrinoProbeClipboardHeld");
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TavrinoProbeClipboardRelease");
  if (!OpenClipboard(nullptr)) return 2;
  SetEvent(held);
  WaitForSingleObject(release, 20000);
  CloseClipboard();
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "hold-clipboard") == 0) return HoldClipboard();
  InitWindowServices();
  if (std::strcmp(mode, "empty-loop") == 0) {
    RunEventLoop();
    ShutdownWindowServices();
    return 0;
  }
  if (std::strcmp(mode, "orderly") == 0) {
    SetExitRoutine(CountingExitRoutine);
    OpenStartupWindow(MainWindowId);
    PostMessageW(FindOpenWindow(MainWindowId)->hwnd, WM_CLOSE, 0, 0);
    RunEventLoop();
    ShutdownWindowServices();
    return exitRoutineRuns == 1 && windowsWereGone ? 0 : 3;
  }
  if (std::strcmp(mode, "fatal-store") == 0) {
    SetExitRoutine(ExitRoutineThatMustNotRun);
    OpenStartupWindow(MainWindowId);
    SetControlText(MainWindowId, ChannelIdBox, "1");
    TextStoreAllocate(kMoreThanAnyHeapHas);
    return 3;
  }
  if (std::strcmp(mode, "fail-generate") == 0 && argc > 2) {
    SetExitRoutine(ExitRoutineThatMustNotRun);
    OpenStartupWindow(MainWindowId);
    SetControlText(MainWindowId, ChannelIdBox, "12345");
    FailTextStoreAllocation(std::strtoull(argv[2], nullptr, 10));
    OnGenerateWebTicket();
    return 5;
  }
  return 2;
}
