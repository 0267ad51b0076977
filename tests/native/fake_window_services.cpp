#include "tests/native/fake_window_services.h"

#include <cstdio>
#include <cstdlib>

#include "core/program.h"
#include "core/text.h"
#include "tests/native/counting_text_store.h"

namespace {
std::string Hex(uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%08X", value);
  return buffer;
}

void Log(const std::string& call) { StoreLog().calls.push_back(call); }

std::string Shown(TextValue text) { return text ? std::string(text) : std::string("<null>"); }
}  // namespace

FakeServices& Fake() {
  static FakeServices fake;
  return fake;
}

void ResetFake() {
  Fake() = FakeServices();
  ResetStoreLog();
}

void InitWindowServices() { Log("InitWindowServices"); }

void SetExitRoutine(ExitRoutineRef routine) {
  Log(routine == ExitRoutine ? "SetExitRoutine(ExitRoutine)" : "SetExitRoutine");
}

void ShutdownWindowServices() { Log("ShutdownWindowServices"); }

void FatalStop(TextValue message, int32_t code) {
  std::fprintf(stderr, "FatalStop(%s, %d)\n", Shown(message).c_str(), code);
  std::abort();
}

void OpenStartupWindow(WindowId window) { Log("OpenStartupWindow " + Hex(window)); }

void RunEventLoop() { Log("RunEventLoop"); }

bool OpenModalWindow(WindowId window) {
  Log("OpenModalWindow " + Hex(window));
  return true;
}

TextValue GetControlText(WindowId window, ControlId control) {
  Log("Get " + Hex(window) + " " + Hex(control));
  auto box = Fake().boxes.find(control);
  if (box == Fake().boxes.end() || box->second.empty()) return nullptr;
  return ConcatText(1, box->second.c_str());
}

void SetControlText(WindowId window, ControlId control, TextValue text) {
  Log("Set " + Hex(window) + " " + Hex(control) + " " + Shown(text));
  Fake().boxes[control] = text ? text : "";
}

int ShowMessageBox(TextValue text, uint32_t flags, TextValue title) {
  Log("MessageBox " + Shown(text) + " | " + Shown(title) + " | " +
                       std::to_string(flags));
  return 1;
}

bool CopyTextToClipboard(TextValue text) {
  Log("Copy " + Shown(text));
  if (Fake().clipboardBusy) return false;
  Fake().clipboard.push_back(text);
  return true;
}
