// The clipboard, message boxes, the builder's order, and the modal about
// window, as Windows reports them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win32/child_process.h"
#include "tests/win32/test_support.h"
#include "ui/ids.h"

namespace {

// What the clipboard holds in one format, as bytes.
std::string ClipboardBytes(UINT format, size_t bytes) {
  std::string result = "<absent>";
  if (!OpenClipboard(nullptr)) return "<busy>";
  if (HANDLE data = GetClipboardData(format)) {
    const char* p = static_cast<const char*>(GlobalLock(data));
    result.assign(p, bytes);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return result;
}

std::string AnsiOnClipboard(size_t length) { return ClipboardBytes(CF_TEXT, length + 1); }

std::wstring UnicodeOnClipboard(size_t length) {
  std::string bytes = ClipboardBytes(CF_UNICODETEXT, (length + 1) * sizeof(wchar_t));
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), length + 1);
}

struct ClipboardCase {
  const char* name;
  const char* text;
  std::wstring unicode;
};

class ClipboardTest : public ::testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardTest, PlacesTheBytesAsAnsiAndTheTextAsUnicode) {
  const ClipboardCase& c = GetParam();
  ASSERT_TRUE(CopyTextToClipboard("something else first"));
  ASSERT_TRUE(CopyTextToClipboard(c.text));
  size_t length = std::string(c.text).size();
  EXPECT_EQ(AnsiOnClipboard(length), std::string(c.text, length + 1));
  EXPECT_EQ(UnicodeOnClipboard(c.unicode.size()), std::wstring(c.unicode.c_str(), c.unicode.size() + 1));
  std::string locale = ClipboardBytes(CF_LOCALE, sizeof(LCID));
  EXPECT_EQ(*reinterpret_cast<const LCID*>(locale.data()), 0x0804u);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClipboardTest,
    ::testing::Values(ClipboardCase{"Ascii", "yy://12345", L"yy://12345"},
                      ClipboardCase{"Chinese", "频道ID：", L"频道ID："},
                      ClipboardCase{"Empty", "", L""}),
    [](const ::testing::TestParamInfo<ClipboardCase>& info) { return info.param.name; });

TEST(ClipboardBusyTest, AClipboardHeldByAnotherProcessIsLeftAlone) {
  ASSERT_TRUE(CopyTextToClipboard("before"));
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, L"TavrinoProbeClipboardHeld");
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TavrinoProbeClipboardRelease");
  ChildProcess holder(BesideTestProgram(L"probe.exe"), L"hold-clipboard");
  ASSERT_TRUE(holder.started()) << "start failed: " << holder.startError();
  ASSERT_EQ(WaitForSingleObject(held, 10000), WAIT_OBJECT_0);
  EXPECT_FALSE(CopyTextToClipboard("after"));
  SetEvent(release);
  EXPECT_EQ(holder.ExitCode(), 0u);
  EXPECT_EQ(AnsiOnClipboard(6), std::string("before", 7));
  CloseHandle(held);
  CloseHandle(release);
}

// Runs `action` from a timer while a nested loop (a message box, the modal
// window) has the thread.
std::function<void()> pendingAction;

void RunSoon(std::function<void()> action, UINT milliseconds = 300) {
  pendingAction = std::move(action);
  SetTimer(nullptr, 0, milliseconds, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    std::function<void()> action = std::move(pendingAction);
    action();
  });
}

HWND ThreadMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(hwnd, name, 16);
        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

struct BoxSeen {
  bool found = false;
  std::wstring text, title;
  bool mainEnabled = true;
  HWND owner = nullptr;
};

BoxSeen ShowAndClose(uint32_t flags) {
  BoxSeen seen;
  RunSoon([&seen] {
    HWND box = ThreadMessageBox();
    seen.found = box != nullptr;
    if (!box) return;
    seen.text = TextOf(GetDlgItem(box, 0xFFFF));
    seen.title = TextOf(box);
    seen.mainEnabled = IsWindowEnabled(FindOpenWindow(MainWindowId)->hwnd) != FALSE;
    seen.owner = GetWindow(box, GW_OWNER);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(ShowMessageBox("频道ID不能为空", flags, "不能为空："), IDOK);
  return seen;
}

class MessageBoxTest : public ::testing::Test {
 protected:
  MainWindowFixture window;
};

TEST_F(MessageBoxTest, IsTaskModalWithoutAnOwner) {
  BoxSeen seen = ShowAndClose(MB_ICONINFORMATION);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, L"频道ID不能为空");
  EXPECT_EQ(seen.title, L"不能为空：");
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_FALSE(seen.mainEnabled) << "the main window takes no input while the box is up";
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
}

TEST_F(MessageBoxTest, SystemModalIsNotMadeTaskModal) {
  BoxSeen seen = ShowAndClose(MB_ICONINFORMATION | MB_SYSTEMMODAL);
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(seen.mainEnabled);
}

// A form of the test's own shows the builder's order.
int createdCalls = 0;
bool visibleWhenCreated = true;
bool controlsExistedWhenCreated = false;

void RecordCreated() {
  ++createdCalls;
  OpenWindow* w = FindOpenWindow(0x7E570001u);
  visibleWhenCreated = IsWindowVisible(w->hwnd) != FALSE;
  controlsExistedWhenCreated = IsWindow(w->controls[2]) && IsWindow(w->controls[1]);
}

void ShouldNotRunWhileBuilding() { ADD_FAILURE() << "a click reached its routine"; }

FormEntry TestWindowEntry() {
  FormEntry e;
  e.entryId = 1;
  e.rect = {20, 30, 300, 200};
  e.caption = "测试";
  e.event0 = RecordCreated;
  return e;
}

const FormEntry kTestEntries[] = {
    TestWindowEntry(),
    Button(2, "按钮", 3, {10, 10, 80, 30}, "按", ShouldNotRunWhileBuilding),
    GroupBox(3, "分组框", kClientArea, {0, 0, 200, 100}),
};
const FormDescription kTestForm = {0x7E570001u, kTestEntries, 3};

TEST(BuilderTest, RaisesTheCreatedEventOnceAfterTheControlsBeforeShowing) {
  OpenWindow* w = BuildWindow(kTestForm, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(createdCalls, 1);
  EXPECT_FALSE(visibleWhenCreated);
  EXPECT_TRUE(controlsExistedWhenCreated);
  EXPECT_TRUE(IsWindowVisible(w->hwnd));
  RECT rect;
  GetWindowRect(w->hwnd, &rect);
  EXPECT_EQ(rect.left, 20) << "StartPosition 0 places the window at Left, Top";
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(GetParent(w->controls[1]), w->controls[2]) << "a parent listed after its child";
  DestroyWindow(w->hwnd);
}

TEST(BuilderTest, RefusesDescriptionsItCannotBuild) {
  const FormEntry orphan[] = {TestWindowEntry(), Button(2, "按钮", 99, {0, 0, 1, 1}, "", nullptr)};
  const FormEntry loop[] = {TestWindowEntry(), GroupBox(2, "a", 3, {}), GroupBox(3, "b", 2, {})};
  const FormEntry noWindow[] = {GroupBox(2, "a", kClientArea, {})};
  const FormDescription orphanForm = {1, orphan, 2}, loopForm = {2, loop, 3},
                        noWindowForm = {3, noWindow, 1};
  for (const FormDescription* form : {&orphanForm, &loopForm, &noWindowForm}) {
    const FormDescription* table[] = {form};
    EXPECT_FALSE(FormsAreReadable({table, 1})) << form->windowId;
  }
  EXPECT_TRUE(FormsAreReadable(ProgramForms()));
}

// The about window, opened modally over the main window.
struct AboutSeen {
  RECT rect = {};
  LONG style = 0, exStyle = 0;
  HWND owner = nullptr;
  std::wstring title;
  bool mainEnabled = true;
  bool secondOpenReturned = false;
  size_t openWindows = 0;
};

class AboutWindowTest : public ::testing::Test {
 protected:
  MainWindowFixture window;

  static HWND About() {
    OpenWindow* w = FindOpenWindow(AboutWindowId);
    return w ? w->hwnd : nullptr;
  }
};

TEST_F(AboutWindowTest, OpensOwnedTopmostAtItsPlaceWhileTheMainWindowWaits) {
  SetWindowPos(window.hwnd(), nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  AboutSeen seen;
  RunSoon([&seen] {
    HWND about = About();
    GetWindowRect(about, &seen.rect);
    seen.style = GetWindowLongW(about, GWL_STYLE);
    seen.exStyle = GetWindowLongW(about, GWL_EXSTYLE);
    seen.owner = GetWindow(about, GW_OWNER);
    seen.title = TextOf(about);
    seen.mainEnabled = IsWindowEnabled(FindOpenWindow(MainWindowId)->hwnd) != FALSE;
    seen.secondOpenReturned = OpenModalWindow(AboutWindowId);
    seen.openWindows = OpenWindowCount();
    PressKey(VK_ESCAPE);
  });
  EXPECT_TRUE(OpenModalWindow(AboutWindowId));
  EXPECT_EQ(seen.rect.left, 50);
  EXPECT_EQ(seen.rect.top, 50);
  EXPECT_EQ(seen.rect.right - seen.rect.left, 229);
  EXPECT_EQ(seen.rect.bottom - seen.rect.top, 176);
  EXPECT_TRUE(seen.style & WS_SYSMENU);
  EXPECT_FALSE(seen.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(seen.exStyle & WS_EX_APPWINDOW);
  EXPECT_EQ(seen.owner, Services().hiddenWindow) << "no taskbar button of its own";
  EXPECT_EQ(seen.title, L"");
  EXPECT_FALSE(seen.mainEnabled);
  EXPECT_TRUE(seen.secondOpenReturned) << "an open window is only brought to the front";
  EXPECT_EQ(seen.openWindows, 2u);
  EXPECT_EQ(About(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_TRUE(IsWindow(window.hwnd())) << "Esc closed only the about window";
}

TEST_F(AboutWindowTest, ReopenedTwentyTimesKeepsTheMainWindowAndItsTexts) {
  SetControlText(MainWindowId, WebTicketBox, "http://www.yy.com/go.html#1");
  for (int i = 0; i < 20; ++i) {
    RunSoon([] { PostMessageW(About(), WM_CLOSE, 0, 0); }, 20);
    ASSERT_TRUE(OpenModalWindow(AboutWindowId));
  }
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_EQ(OpenWindowCount(), 1u);
  EXPECT_EQ(TakeText(GetControlText(MainWindowId, WebTicketBox)), "http://www.yy.com/go.html#1");
}

TEST_F(AboutWindowTest, LeavesTheQuitRequestInTheQueue) {
  RunSoon([] { PostQuitMessage(0); });
  EXPECT_TRUE(OpenModalWindow(AboutWindowId));
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_NE(About(), nullptr) << "only the quit request ended the loop";
  DestroyWindow(About());
}

TEST_F(AboutWindowTest, ADisabledWindowStaysDisabledAfterwards) {
  HWND other = FindOpenWindow(MainWindowId)->hwnd;
  EnableWindow(other, FALSE);
  RunSoon([] { PostMessageW(About(), WM_CLOSE, 0, 0); });
  EXPECT_TRUE(OpenModalWindow(AboutWindowId));
  EXPECT_FALSE(IsWindowEnabled(other));
  EnableWindow(other, TRUE);
}

}  // namespace
