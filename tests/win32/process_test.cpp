// The program and the probe started as child processes: exit codes and the
// fatal-error box, seen from outside.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/test_support.h"

namespace {

struct Child {
  PROCESS_INFORMATION info = {};

  explicit Child(const std::wstring& commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring line = commandLine;
    EXPECT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &info));
  }
  ~Child() {
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 9);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  // The exit code, or STILL_ACTIVE when it has not ended in time.
  DWORD ExitCode(DWORD milliseconds = 10000) {
    WaitForSingleObject(info.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
  }
  // The child's visible top-level windows of the class.
  std::vector<HWND> Windows(const wchar_t* className) {
    struct Search {
      DWORD pid;
      const wchar_t* className;
      std::vector<HWND> found;
    } search = {info.dwProcessId, className, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
          auto* s = reinterpret_cast<Search*>(param);
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          wchar_t name[64] = {};
          GetClassNameW(hwnd, name, 64);
          if (pid == s->pid && IsWindowVisible(hwnd) && lstrcmpW(name, s->className) == 0) {
            s->found.push_back(hwnd);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  HWND WaitForWindow(const wchar_t* className, DWORD milliseconds = 10000) {
    DWORD end = GetTickCount() + milliseconds;
    for (;;) {
      std::vector<HWND> found = Windows(className);
      if (!found.empty()) return found.front();
      if (GetTickCount() > end) return nullptr;
      Sleep(50);
    }
  }
};

std::wstring Probe(const wchar_t* mode) {
  return L"\"" + BesideTestProgram(L"probe.exe") + L"\" " + mode;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    std::vector<HWND> found;
  } search = {className, {}};
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (lstrcmpiW(name, s->className) == 0) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ProcessTest, AnEmptyEventLoopReturnsAtOnceAndEndsWithZero) {
  Child probe(Probe(L"empty-loop"));
  EXPECT_EQ(probe.ExitCode(), 0u);
}

TEST(ProcessTest, ClosingTheLastWindowRunsTheExitRoutineOnceAfterIt) {
  Child probe(Probe(L"orderly"));
  EXPECT_EQ(probe.ExitCode(), 0u);
}

struct CloseCase {
  const char* name;
  UINT message;
  WPARAM wParam;
};

class ProgramCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ProgramCloseTest, TheProgramEndsWithZero) {
  Child program(L"\"" + BesideTestProgram(L"tavrino.exe") + L"\"");
  HWND main = program.WaitForWindow(L"TavrinoForm");
  ASSERT_NE(main, nullptr);
  PostMessageW(main, GetParam().message, GetParam().wParam, 0);
  EXPECT_EQ(program.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramCloseTest,
                         ::testing::Values(CloseCase{"CloseMessage", WM_CLOSE, 0},
                                           CloseCase{"SystemMenuClose", WM_SYSCOMMAND, SC_CLOSE}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

TEST(ProcessTest, AnExhaustedTextStoreShowsTheErrorBoxThenEndsWithMinusOne) {
  Child probe(Probe(L"fatal-store"));
  HWND box = probe.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  HWND main = probe.WaitForWindow(L"TavrinoForm");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
  EXPECT_TRUE(IsWindowEnabled(main)) << "the box is not task-modal";
  std::wstring text = WindowTextOf(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find(L"无法恢复"), std::wstring::npos) << "says the error cannot be recovered from";
  EXPECT_NE(text.find(std::to_wstring(~static_cast<size_t>(0) / 2)), std::wstring::npos)
      << "names the bytes asked for";

  // While the box is up, no routine runs: a click on either generate
  // button writes no ticket.
  for (HWND button : ChildrenOfClass(main, L"Button")) {
    DWORD_PTR ignored;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  }
  for (HWND box : ChildrenOfClass(main, L"Edit")) {
    std::wstring content = WindowTextOf(box);
    EXPECT_TRUE(content == L"" || content == L"1") << "no ticket was written";
  }
  Sleep(300);
  EXPECT_EQ(probe.Windows(L"#32770"), std::vector<HWND>{box}) << "no notice box either";

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(probe.ExitCode(), 0xFFFFFFFFu) << "exit code -1, and the exit routine did not run";
}

}  // namespace
