// A stand-in for the window services: controls are strings in a map, and
// every call is written to the store's call log that the tests compare.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "services/window_services.h"

struct FakeServices {
  std::map<ControlId, std::string> boxes;  // an absent or empty box reads as null
  std::vector<std::string> clipboard;  // every text placed, in order
  bool clipboardBusy = false;
  bool exitRoutineSet = false;
};

FakeServices& Fake();
// Resets the fake and the counting text store.
void ResetFake();
