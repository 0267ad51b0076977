// The window services are set up once for the whole test program, as the
// program does at start.
#include <gtest/gtest.h>

#include "services/window_services.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  InitWindowServices();
  int result = RUN_ALL_TESTS();
  ShutdownWindowServices();
  return result;
}
