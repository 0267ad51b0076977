// The program and the probe started as child processes: exit codes and the
// fatal-error box, seen from outside.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/win32/child_process.h"

namespace {

TEST(ProcessTest, AnEmptyEventLoopReturnsAtOnceAndEndsWithZero) {
  ChildProcess probe(BesideTestProgram(L"probe.exe"), L"empty-loop");
  ASSERT_TRUE(probe.started()) << "start failed: " << probe.startError();
  EXPECT_EQ(probe.ExitCode(), 0u);
}

TEST(ProcessTest, ClosingTheLastWindowRunsTheExitRoutineOnceAfterIt) {
  ChildProcess probe(BesideTestProgram(L"probe.exe"), L"orderly");
  ASSERT_TRUE(probe.started()) << "start failed: " << probe.startError();
  EXPECT_EQ(probe.ExitCode(), 0u);
}

struct CloseCase {
  const char* name;
  UINT message;
  WPARAM wParam;
};

class ProgramCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ProgramCloseTest, TheProgramEndsWithZero) {
  ChildProcess program(BesideTestProgram(L"tavrino.exe"));
  ASSERT_TRUE(program.started()) << "start failed: " << program.startError();
  HWND main = program.WaitForWindow(L"TavrinoForm");
  ASSERT_NE(main, nullptr);
  PostMessageW(main, GetParam().message, GetParam().wParam, 0);
  EXPECT_EQ(program.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramCloseTest,
                         ::testing::Values(CloseCase{"CloseMessage", WM_CLOSE, 0},
                                           CloseCase{"SystemMenuClose", WM_SYSCOMMAND, SC_CLOSE}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

// The fatal-error box as the user sees it; returns its text.
std::wstring CheckFatalBox(ChildProcess& probe, HWND box) {
  HWND main = probe.WaitForWindow(L"TavrinoForm");
  EXPECT_NE(main, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
  EXPECT_TRUE(ShowsSystemIcon(box, IDI_ERROR));
  EXPECT_EQ(DescendantsOfClass(box, L"Button").size(), 1u) << "one OK button";
  EXPECT_TRUE(IsWindowEnabled(main)) << "the box is not task-modal";
  std::wstring text = TextOf(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find(L"无法恢复"), std::wstring::npos) << "says the error cannot be recovered from";
  EXPECT_NE(text.find(L"分配内存失败"), std::wstring::npos) << "says an allocation failed";
  return text;
}

TEST(ProcessTest, AnExhaustedTextStoreShowsTheErrorBoxThenEndsWithMinusOne) {
  ChildProcess probe(BesideTestProgram(L"probe.exe"), L"fatal-store");
  ASSERT_TRUE(probe.started()) << "start failed: " << probe.startError();
  HWND box = probe.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  HWND main = probe.WaitForWindow(L"TavrinoForm");
  std::wstring text = CheckFatalBox(probe, box);
  EXPECT_NE(text.find(std::to_wstring(~static_cast<size_t>(0) / 2)), std::wstring::npos)
      << "names the bytes asked for";

  // While the box is up, no routine runs: a click on either generate
  // button writes no ticket.
  for (HWND button : DescendantsOfClass(main, L"Button")) {
    DWORD_PTR ignored;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  }
  for (HWND box : DescendantsOfClass(main, L"Edit")) {
    std::wstring content = TextOf(box);
    EXPECT_TRUE(content == L"" || content == L"1") << "no ticket was written";
  }
  Sleep(300);
  EXPECT_EQ(probe.Windows(L"#32770"), std::vector<HWND>{box}) << "no notice box either";

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(probe.ExitCode(), 0xFFFFFFFFu) << "exit code -1, and the exit routine did not run";
}

}  // namespace

namespace {

// Each allocation of a generate action in turn fails: each time the fatal
// box, then exit code -1 without the exit routine (which would give 42).
TEST(ProcessTest, AFailedAllocationAnywhereInAGenerateActionStopsTheProgram) {
  int failed = 0;
  for (int nth = 1; nth <= 20; ++nth) {
    SCOPED_TRACE(nth);
    ChildProcess probe(BesideTestProgram(L"probe.exe"), L"fail-generate " + std::to_wstring(nth));
    ASSERT_TRUE(probe.started()) << "start failed: " << probe.startError();
    HWND box = nullptr;
    for (int i = 0; i < 200 && box == nullptr && probe.ExitCode(0) == STILL_ACTIVE; ++i) {
      std::vector<HWND> boxes = probe.Windows(L"#32770");
      if (!boxes.empty()) box = boxes.front();
      Sleep(50);
    }
    if (box == nullptr) {
      EXPECT_EQ(probe.ExitCode(), 5u) << "the action ran to its end";
      break;
    }
    ++failed;
    CheckFatalBox(probe, box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(probe.ExitCode(), 0xFFFFFFFFu);
  }
  // Two reads of the ID, the ticket, and the UTF-16 copies on the way.
  EXPECT_GE(failed, 3);
  std::printf("a generate action makes %d text-store allocations\n", failed);
}

}  // namespace
