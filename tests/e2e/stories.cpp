// User stories: tavrino.exe started as a user starts it, driven with real
// keyboard and mouse input, and looked at from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/child_process.h"
#include "tests/win32/input.h"

namespace {

const std::string kWebPrefix = "http://www.yy.com/go.html#";
const std::string kClientPrefix = "yy://";

std::string ClipboardAnsi() {
  std::string text = "<nothing>";
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void Settle() { Sleep(250); }

// An icon's colour pixels, top row first, as 32-bit BGRA.
std::vector<BYTE> IconPixels(HICON icon) {
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return {};
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  BITMAPINFO header = {};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = bitmap.bmWidth;
  header.bmiHeader.biHeight = -bitmap.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  std::vector<BYTE> bgra(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight * 4);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, bitmap.bmHeight, bgra.data(), &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bgra;
}

// The running program, with its controls found where the main window puts them.
class Tavrino : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.started()) << "start failed: " << program_.startError();
    main_ = program_.WaitForWindow(L"TavrinoForm", kTitle.c_str());
    ASSERT_NE(main_, nullptr) << "the main window did not appear";
    SetForegroundWindow(main_);
    Settle();
  }

  void TearDown() override {
    if (IsWindow(main_)) {
      SetForegroundWindow(main_);
      SendKey(VK_ESCAPE);
    }
    EXPECT_EQ(program_.ExitCode(), 0u);
  }

  // The control whose top-left corner lies at (x, y) of the client area.
  HWND At(int x, int y) {
    for (const wchar_t* kind : {L"Button", L"Edit"}) {
      for (HWND control : DescendantsOfClass(main_, kind)) {
        POINT corner = Corner(control);
        if (corner.x == x && corner.y == y) return control;
      }
    }
    ADD_FAILURE() << "no control at " << x << "," << y;
    return nullptr;
  }

  HWND IdBox() { return At(55, 19); }
  HWND WebBox() { return At(296, 20); }
  HWND ClientBox() { return At(296, 108); }
  HWND Button1() { return At(64, 115); }
  HWND Button2() { return At(63, 156); }
  HWND Button3() { return At(360, 60); }
  HWND Button4() { return At(360, 148); }
  HWND Button5() { return At(360, 188); }

  void Click(HWND control) {
    SendClick(control);
    Settle();
  }

  // Replaces the ID box's text by typing, as a user would.
  void TypeId(const std::wstring& id) {
    Click(IdBox());
    SendKey(VK_END);
    SendKey(VK_HOME, true);
    SendKey(VK_DELETE);
    SendUnicodeText(id);
    Settle();
  }

  std::string Read(HWND box) { return Gbk(TextOf(box)); }

  std::vector<HWND> MessageBoxes() { return program_.Windows(L"#32770"); }
  HWND AboutWindow() {
    std::vector<HWND> found = program_.Windows(L"TavrinoForm", L"");
    return found.empty() ? nullptr : found.front();
  }

  const std::wstring kTitle = L"Tavrino" + std::wstring(13, L' ') + L"【免费版】";
  ChildProcess program_{BesideTestProgram(L"tavrino.exe")};
  HWND main_ = nullptr;

 private:
  POINT Corner(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(main_, &corner);
    return corner;
  }
};

TEST_F(Tavrino, GeneratesBothTicketsFromAnIdAndCopiesEach) {
  TypeId(L"12345");
  Click(Button1());
  Click(Button2());
  EXPECT_EQ(Read(WebBox()), kWebPrefix + "12345");
  EXPECT_EQ(Read(ClientBox()), "yy://12345");
  Click(Button3());
  EXPECT_EQ(ClipboardAnsi(), kWebPrefix + "12345");
  Click(Button4());
  EXPECT_EQ(ClipboardAnsi(), "yy://12345");
}

TEST_F(Tavrino, AnEmptyIdIsRefusedAndTheTicketsStay) {
  TypeId(L"7");
  Click(Button1());
  Click(Button2());
  TypeId(L"");
  for (HWND button : {Button1(), Button2()}) {
    Click(button);
    std::vector<HWND> boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    HWND box = boxes.front();
    EXPECT_EQ(TextOf(box), L"不能为空：");
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"频道ID不能为空");
    EXPECT_EQ(DescendantsOfClass(box, L"Button").size(), 1u) << "one OK button";
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_TRUE(ShowsSystemIcon(box, IDI_INFORMATION)) << "the information icon";
    EXPECT_FALSE(ShowsSystemIcon(box, IDI_ERROR));
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes no input meanwhile";
    Click(Button2());
    EXPECT_EQ(MessageBoxes().size(), 1u) << "a click on the main window starts nothing";
    Click(GetDlgItem(box, IDOK));
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_EQ(GetForegroundWindow(), main_) << "the main window is active again";
  }
  EXPECT_EQ(Read(WebBox()), kWebPrefix + "7");
  EXPECT_EQ(Read(ClientBox()), "yy://7");
}

TEST_F(Tavrino, OddIdsAreAppendedByteForByte) {
  for (const std::wstring& id : {std::wstring(L" "), std::wstring(L"#/?% x"), std::wstring(L"频道ID频道")}) {
    TypeId(id);
    Click(Button1());
    Click(Button2());
    std::string web = Read(WebBox()), client = Read(ClientBox());
    EXPECT_EQ(web, kWebPrefix + Gbk(id));
    EXPECT_EQ(client, kClientPrefix + Gbk(id));
    EXPECT_EQ(client.size(), 5 + Gbk(id).size());
  }
}

TEST_F(Tavrino, ChangingTheIdAfterGeneratingCopiesTheOldTicket) {
  TypeId(L"111");
  Click(Button2());
  TypeId(L"222");
  Click(Button4());
  EXPECT_EQ(ClipboardAnsi(), "yy://111");
  Click(Button2());
  EXPECT_EQ(Read(ClientBox()), "yy://222") << "generating again replaces the ticket";
}

TEST_F(Tavrino, CopyingAnEmptyTicketBoxLeavesAnEmptyText) {
  Click(Button3());
  EXPECT_EQ(ClipboardAnsi(), "");
}

// The colour of the program icon's top-left pixel, from the program file.
COLORREF IconCornerColour() {
  HMODULE file = LoadLibraryExW(BesideTestProgram(L"tavrino.exe").c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  HICON icon = static_cast<HICON>(LoadImageW(file, L"DEFAULT_ICON", IMAGE_ICON, 128, 128, 0));
  std::vector<BYTE> bgra = IconPixels(icon);
  DestroyIcon(icon);
  FreeLibrary(file);
  return bgra.size() < 3 ? CLR_INVALID : RGB(bgra[2], bgra[1], bgra[0]);
}

TEST_F(Tavrino, TheAboutWindowOpensOnTopWhileTheMainWindowWaits) {
  TypeId(L"5");
  Click(Button1());
  SetWindowPos(main_, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  Click(Button5());
  HWND about = AboutWindow();
  ASSERT_NE(about, nullptr);
  RECT rect;
  GetWindowRect(about, &rect);
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 50);
  EXPECT_EQ(rect.right - rect.left, 229);
  EXPECT_EQ(rect.bottom - rect.top, 176);
  EXPECT_TRUE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  HWND owner = GetWindow(about, GW_OWNER);
  ASSERT_NE(owner, nullptr) << "an owned window has no taskbar button";
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_FALSE(IsWindowEnabled(main_));

  // The picture is tiled from the client area's top-left corner.
  POINT origin = {0, 0};
  ClientToScreen(about, &origin);
  HDC screen = GetDC(nullptr);
  COLORREF corner = IconCornerColour();
  for (POINT at : {POINT{0, 0}, POINT{128, 0}, POINT{0, 128}}) {
    EXPECT_EQ(GetPixel(screen, origin.x + at.x, origin.y + at.y), corner) << at.x << "," << at.y;
  }
  ReleaseDC(nullptr, screen);

  Click(Button1());
  EXPECT_TRUE(MessageBoxes().empty()) << "clicks on the main window have no effect";
  SendKey(VK_ESCAPE);
  Settle();
  EXPECT_EQ(AboutWindow(), nullptr);
  EXPECT_TRUE(IsWindow(main_)) << "Esc closed only the about window";
  EXPECT_TRUE(IsWindowEnabled(main_));
  EXPECT_EQ(GetForegroundWindow(), main_) << "the main window is active again";
  EXPECT_EQ(Read(WebBox()), kWebPrefix + "5");
  TypeId(L"6");
  Click(Button2());
  EXPECT_EQ(Read(ClientBox()), "yy://6") << "the main window works again";
}

TEST_F(Tavrino, OpeningTheAboutWindowTwentyTimesChangesNothing) {
  for (int i = 0; i < 20; ++i) {
    Click(Button5());
    ASSERT_NE(AboutWindow(), nullptr) << "round " << i;
    SendKey(VK_ESCAPE);
    Settle();
    ASSERT_EQ(AboutWindow(), nullptr) << "round " << i;
  }
  EXPECT_TRUE(IsWindowEnabled(main_));
}

}  // namespace
