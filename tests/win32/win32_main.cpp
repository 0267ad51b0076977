// The window services are set up once for the whole test program, as the
// program does at start.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "services/window_services.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The test script checks this line: the texts must not depend on it.
  std::printf("ANSI code page: %u\n", GetACP());
  InitWindowServices();
  int result = RUN_ALL_TESTS();
  ShutdownWindowServices();
  return result;
}
