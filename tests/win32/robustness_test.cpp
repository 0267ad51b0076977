// Long runs, odd input and a busy clipboard: nothing leaks, nothing is cut,
// nothing hangs.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/input.h"
#include "tests/win32/test_support.h"
#include "ui/actions.h"
#include "ui/ids.h"

namespace {

const std::string kWebPrefix = "http://www.yy.com/go.html#";

size_t BusyHeapBlocks() {
  size_t busy = 0;
  PROCESS_HEAP_ENTRY entry = {};
  HANDLE heap = GetProcessHeap();
  HeapLock(heap);
  while (HeapWalk(heap, &entry)) busy += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
  HeapUnlock(heap);
  return busy;
}

size_t ProgramWindows() {
  size_t count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* n = reinterpret_cast<size_t*>(param);
        ++*n;
        EnumChildWindows(hwnd, [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<size_t*>(p), TRUE; }, param);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

void GenerateAndCopy(int cycles) {
  for (int i = 0; i < cycles; ++i) {
    OnGenerateWebTicket();
    OnGenerateClientTicket();
    OnCopyWebTicket();
    OnCopyClientTicket();
  }
}

void OpenAndCloseAbout(int times) {
  for (int i = 0; i < times; ++i) {
    PostMessageW(FindOpenWindow(MainWindowId)->hwnd, WM_APP, 0, 0);  // keeps the queue moving
    SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      if (OpenWindow* about = FindOpenWindow(AboutWindowId)) PostMessageW(about->hwnd, WM_CLOSE, 0, 0);
    });
    OpenModalWindow(AboutWindowId);
  }
}

class RobustnessTest : public ::testing::Test {
 protected:
  MainWindowFixture window;
};

TEST_F(RobustnessTest, LongRunsLeaveTheHeapAndTheWindowsAsTheyWere) {
  SetControlText(MainWindowId, ChannelIdBox, "频道12345");
  GenerateAndCopy(100);  // warm-up: the system's own first-use allocations
  OpenAndCloseAbout(5);
  PumpEvents(50);
  const size_t blocks = BusyHeapBlocks(), windows = ProgramWindows();
  GenerateAndCopy(10000);
  OpenAndCloseAbout(200);
  PumpEvents(50);
  EXPECT_EQ(BusyHeapBlocks(), blocks);
  EXPECT_EQ(ProgramWindows(), windows);
  EXPECT_EQ(TakeText(GetControlText(MainWindowId, ClientTicketBox)), "yy://频道12345");
}

// Closes any message box of this thread, and notes that there was one.
bool boxAppeared = false;

void CALLBACK CloseAnyBox(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(hwnd, name, 16);
        if (lstrcmpW(name, L"#32770") == 0) {
          boxAppeared = true;
          PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
      },
      0);
}

TEST_F(RobustnessTest, CopyingWhileAnotherProgramHoldsTheClipboardShowsNothing) {
  ASSERT_TRUE(CopyTextToClipboard("before"));
  SetControlText(MainWindowId, WebTicketBox, "http://www.yy.com/go.html#1");
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, L"TavrinoProbeClipboardHeld");
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TavrinoProbeClipboardRelease");
  ChildProcess holder(BesideTestProgram(L"probe.exe"), L"hold-clipboard");
  ASSERT_TRUE(holder.started()) << "start failed: " << holder.startError();
  ASSERT_EQ(WaitForSingleObject(held, 10000), WAIT_OBJECT_0);
  boxAppeared = false;
  UINT_PTR watchdog = SetTimer(nullptr, 0, 200, CloseAnyBox);
  OnCopyWebTicket();
  KillTimer(nullptr, watchdog);
  SetEvent(release);
  EXPECT_EQ(holder.ExitCode(), 0u);
  EXPECT_FALSE(boxAppeared);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_TEXT);
  EXPECT_STREQ(data ? static_cast<const char*>(GlobalLock(data)) : "<nothing>", "before");
  if (data) GlobalUnlock(data);
  CloseClipboard();
  CloseHandle(held);
  CloseHandle(release);
}

// Compares long texts without printing them whole.
void ExpectSameBytes(const std::string& actual, const std::string& expected, const char* what) {
  EXPECT_EQ(actual.size(), expected.size()) << what;
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  EXPECT_TRUE(actual == expected) << what << " differs from byte " << at;
}

struct PastedCase {
  const char* name;
  std::wstring pasted;
};

class PastedIdTest : public RobustnessTest, public ::testing::WithParamInterface<PastedCase> {};

// Whatever the box takes in, each ticket is its prefix and exactly the
// bytes read from the box, with no two-byte character cut.
TEST_P(PastedIdTest, TicketsHoldExactlyWhatWasRead) {
  HWND box = Control(MainWindowId, ChannelIdBox);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (GetParam().pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), GetParam().pasted.c_str(), (GetParam().pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendCtrlKey('V');
  PumpUntil([&] { return GetWindowTextLengthW(box) > 0; });
  PumpEvents(50);

  const std::wstring shown = TextOf(box);
  ASSERT_FALSE(shown.empty());
  const std::string read = TakeText(GetControlText(MainWindowId, ChannelIdBox));
  ExpectSameBytes(read, Gbk(shown), "the ID, as Windows' own conversion gives it");
  OnGenerateWebTicket();
  OnGenerateClientTicket();
  const std::string web = TakeText(GetControlText(MainWindowId, WebTicketBox));
  const std::string client = TakeText(GetControlText(MainWindowId, ClientTicketBox));
  ExpectSameBytes(web, kWebPrefix + read, "the web ticket");
  ExpectSameBytes(client, "yy://" + read, "the client ticket");
  EXPECT_NE(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, client.c_str(),
                                static_cast<int>(client.size()), nullptr, 0), 0)
      << "the ticket is whole GBK";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedIdTest,
    ::testing::Values(PastedCase{"AsLongAsTheBoxTakes", std::wstring(40000, L'7')},
                      PastedCase{"LongChinese", std::wstring(20000, L'频')},
                      PastedCase{"OutsideGbk", L"a\U0001F600b\u0E01c\u00E9"},
                      PastedCase{"TabsAndLineBreaks", L"12\t34\r\n56\n78"},
                      PastedCase{"ControlCharacters", L"\x01\x02x\x1b\x7f"}),
    [](const ::testing::TestParamInfo<PastedCase>& info) { return info.param.name; });

}  // namespace
