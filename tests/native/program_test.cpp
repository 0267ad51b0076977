#include "core/program.h"

#include <gtest/gtest.h>

#include "tests/native/counting_text_store.h"
#include "tests/native/fake_window_services.h"

namespace {

TEST(ProgramEntryTest, StartsInOrderAndReturnsZero) {
  ResetFake();
  EXPECT_EQ(ProgramEntry(), 0);
  EXPECT_EQ(StoreLog().calls,
            (std::vector<std::string>{"InitWindowServices", "SetExitRoutine(ExitRoutine)",
                                      "OpenStartupWindow 52010001", "RunEventLoop"}));
}

}  // namespace
