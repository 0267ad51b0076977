// The main window as Windows reports it: places, styles, stacking, fonts,
// colours, and the keyboard with real key input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/input.h"
#include "tests/win32/test_support.h"
#include "ui/ids.h"

namespace {

struct Place {
  const char* name;
  ControlId id;
  ControlId parent;  // 0: the window's client area
  RECT rect;         // in the window's client area: left, top, right, bottom
};

constexpr ControlId kGroup1 = 0x16010002, kGroup2 = 0x1601000A, kGroup3 = 0x16010014,
                    kGroup4 = 0x1601001C, kGroup5 = 0x16010018;
constexpr ControlId kButton1 = 0x16010005, kButton2 = 0x16010003, kButton3 = 0x1601002C,
                    kButton4 = 0x1601002D, kButton5 = 0x16010032;
constexpr ControlId kLabel1 = 0x16010009, kLabel2 = 0x16010006, kLabel3 = 0x16010004,
                    kLabel4 = 0x1601001A, kLabel5 = 0x16010016, kHint = 0x16010007;

RECT At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

const Place kPlaces[] = {
    {"分组框3", kGroup3, 0, At(208, -4, 240, 226)},
    {"按钮5", kButton5, kGroup3, At(360, 188, 80, 32)},
    {"按钮4", kButton4, kGroup3, At(360, 148, 80, 32)},
    {"按钮3", kButton3, kGroup3, At(360, 60, 80, 32)},
    {"分组框5", kGroup5, kGroup3, At(216, 92, 224, 48)},
    {"标签5", kLabel5, kGroup5, At(232, 104, 56, 32)},
    {"编辑框_YY飞机", ClientTicketBox, kGroup5, At(296, 108, 136, 24)},
    {"标签4", kLabel4, kGroup3, At(232, 17, 56, 32)},
    {"分组框4", kGroup4, kGroup3, At(216, 4, 224, 48)},
    {"编辑框_频道代码", WebTicketBox, kGroup4, At(296, 20, 136, 24)},
    {"分组框1", kGroup1, 0, At(-1, -4, 208, 226)},
    {"按钮2", kButton2, kGroup1, At(63, 156, 80, 32)},
    {"标签3", kLabel3, kGroup1, At(7, 156, 56, 32)},
    {"按钮1", kButton1, kGroup1, At(64, 115, 80, 32)},
    {"标签2", kLabel2, kGroup1, At(7, 116, 56, 32)},
    {"透明标签1", kHint, kGroup1, At(7, 60, 192, 56)},
    {"分组框2", kGroup2, kGroup1, At(7, 5, 192, 48)},
    {"编辑框_频道ID", ChannelIdBox, kGroup2, At(55, 19, 128, 24)},
    {"标签1", kLabel1, kGroup2, At(11, 16, 40, 32)},
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowFixture window;
  HWND mainWindow() { return window.hwnd(); }
  HWND C(ControlId id) { return Control(MainWindowId, id); }
};

TEST_F(MainWindowTest, FrameTitleAndPlace) {
  RECT rect;
  GetWindowRect(mainWindow(), &rect);
  EXPECT_EQ(rect.right - rect.left, 455);
  EXPECT_EQ(rect.bottom - rect.top, 250);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 455) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);
  EXPECT_EQ(TextOf(mainWindow()), L"Tavrino" + std::wstring(13, L' ') + L"【免费版】");
  LONG style = GetWindowLongW(mainWindow(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(GetWindowLongW(mainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(mainWindow(), GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowVisible(mainWindow()));
  EXPECT_NE(SendMessageW(mainWindow(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(mainWindow(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(mainWindow(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(MainWindowTest, EveryControlAtItsPlaceInItsParent) {
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.name);
    HWND control = C(p.id);
    ASSERT_NE(control, nullptr);
    RECT r = ClientRectOf(control);
    EXPECT_EQ(r.left, p.rect.left);
    EXPECT_EQ(r.top, p.rect.top);
    EXPECT_EQ(r.right, p.rect.right);
    EXPECT_EQ(r.bottom, p.rect.bottom);
    EXPECT_EQ(GetParent(control), p.parent ? C(p.parent) : mainWindow());
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_TRUE(GetWindowLongW(control, GWL_STYLE) & WS_CLIPSIBLINGS);
  }
}

TEST_F(MainWindowTest, ControlKindsAndStyles) {
  for (ControlId id : {kButton1, kButton2, kButton3, kButton4, kButton5}) {
    LONG style = GetWindowLongW(C(id), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
    EXPECT_TRUE(style & BS_MULTILINE);
    EXPECT_TRUE(style & WS_TABSTOP);
  }
  for (ControlId id : {ChannelIdBox, WebTicketBox, ClientTicketBox}) {
    LONG style = GetWindowLongW(C(id), GWL_STYLE);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & (ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_NOHIDESEL));
    EXPECT_TRUE(GetWindowLongW(C(id), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowTextLengthW(C(id)), 0);
  }
  EXPECT_EQ(TextOf(C(kButton3)), L"复制QQ飞机票");
  EXPECT_EQ(TextOf(C(kLabel1)), L"频道ID：");
  EXPECT_EQ(TextOf(C(kHint)), L"↑输入YY频道的ID  选择要生成的飞机票");
}

// Siblings from the top down, as the description lists them.
TEST_F(MainWindowTest, StackingFollowsTheEntryOrder) {
  struct Siblings {
    ControlId parent;
    std::vector<ControlId> topDown;
  };
  const Siblings kStacks[] = {
      {kGroup3, {kButton5, kButton4, kButton3, kGroup5, kLabel4, kGroup4}},
      {kGroup1, {kButton2, kLabel3, kButton1, kLabel2, kHint, kGroup2}},
      {0, {kGroup3, kGroup1}},
  };
  for (const Siblings& s : kStacks) {
    std::vector<HWND> expected, actual;
    for (ControlId id : s.topDown) expected.push_back(C(id));
    HWND parent = s.parent ? C(s.parent) : mainWindow();
    for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
      actual.push_back(h);
    }
    EXPECT_EQ(actual, expected);
  }
}

TEST_F(MainWindowTest, FontsAreTheDefaultGuiFontButTheHint) {
  HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
  for (const Place& p : kPlaces) {
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(C(p.id), WM_GETFONT, 0, 0));
    if (p.id != kHint) {
      EXPECT_EQ(font, stock) << p.name;
    }
  }
  LOGFONTW hint = {};
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(C(kHint), WM_GETFONT, 0, 0)), sizeof hint, &hint);
  EXPECT_EQ(hint.lfHeight, -21);
  EXPECT_EQ(hint.lfWeight, 400);
  EXPECT_EQ(hint.lfQuality, PROOF_QUALITY);
  EXPECT_FALSE(hint.lfItalic || hint.lfUnderline || hint.lfStrikeOut);
}

// Reads back what the control painted on the screen.
struct ScreenPixels {
  std::vector<COLORREF> pixels;
  COLORREF at(int index) const { return pixels[index]; }
  bool has(COLORREF color) const {
    for (COLORREF c : pixels) {
      if (c == color) return true;
    }
    return false;
  }
};

ScreenPixels PixelsOf(HWND control) {
  RedrawWindow(GetAncestor(control, GA_ROOT), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpEvents(50);
  RECT rect;
  GetWindowRect(control, &rect);
  HDC screen = GetDC(nullptr);
  ScreenPixels result;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) result.pixels.push_back(GetPixel(screen, x, y));
  }
  ReleaseDC(nullptr, screen);
  return result;
}

TEST_F(MainWindowTest, LabelsPaintTheirColours) {
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (ControlId id : {kLabel2, kLabel3, kLabel4, kLabel5}) {
    ScreenPixels p = PixelsOf(C(id));
    EXPECT_EQ(p.at(0), face);
    EXPECT_TRUE(p.has(RGB(255, 0, 0))) << "red text";
  }
  ScreenPixels label1 = PixelsOf(C(kLabel1));
  EXPECT_EQ(label1.at(0), face);
  EXPECT_TRUE(label1.has(RGB(0, 0, 0)));
  ScreenPixels hint = PixelsOf(C(kHint));
  EXPECT_EQ(hint.at(0), face) << "the group box shows through";
  EXPECT_TRUE(hint.has(RGB(0, 96, 192)));
}

TEST_F(MainWindowTest, FocusStartsInTheIdBoxAndTabVisitsTheControlsInOrder) {
  const ControlId kOrder[] = {kButton1, kButton2, WebTicketBox, ClientTicketBox,
                              kButton3, kButton4, kButton5, ChannelIdBox};
  EXPECT_EQ(GetFocus(), C(ChannelIdBox));
  for (ControlId id : kOrder) {
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), C(id));
  }
  for (int i = 6; i >= 0; --i) {
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), C(kOrder[i]));
  }
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), C(ChannelIdBox)) << "Shift+Tab wraps";
}

TEST_F(MainWindowTest, FocusReturnsToItsControlWhenTheWindowIsActivatedAgain) {
  for (int i = 0; i < 5; ++i) PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), C(kButton3));
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == other; }));
  SetForegroundWindow(mainWindow());
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == mainWindow(); }));
  EXPECT_EQ(GetFocus(), C(kButton3));
  DestroyWindow(other);
}

TEST_F(MainWindowTest, EnterStartsNothing) {
  TypeUnicode(L"12");
  PressKey(VK_RETURN);
  EXPECT_EQ(TextOf(C(ChannelIdBox)), L"12");
  EXPECT_EQ(TextOf(C(WebTicketBox)), L"");
  EXPECT_EQ(GetActiveWindow(), mainWindow()) << "no message box";
}

TEST_F(MainWindowTest, TypedChineseReachesTheProgramAsGbk) {
  TypeUnicode(L"频道12");
  EXPECT_EQ(TakeText(GetControlText(MainWindowId, ChannelIdBox)), "频道12");
  EXPECT_EQ(TakeText(GetControlText(MainWindowId, ChannelIdBox)), "\xC6\xB5\xB5\xC0" "12");
}

TEST_F(MainWindowTest, PastedChineseReachesTheProgramAsGbk) {
  ASSERT_TRUE(CopyTextToClipboard("飞机票ID"));
  SendCtrlKey('V');
  PumpUntil([&] { return GetWindowTextLengthW(C(ChannelIdBox)) > 0; });
  EXPECT_EQ(TakeText(GetControlText(MainWindowId, ChannelIdBox)), "飞机票ID");
}

struct EscCase {
  const char* name;
  int tabs;
};

class EscTest : public MainWindowTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscTest, EscClosesTheWindowWhicheverControlHasTheFocus) {
  for (int i = 0; i < GetParam().tabs; ++i) PressKey(VK_TAB);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(mainWindow()); }));
  MSG quit;
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
      << "before the loop has started, the last window gone posts no quit request";
}

INSTANTIATE_TEST_SUITE_P(Focus, EscTest,
                         ::testing::Values(EscCase{"IdBox", 0}, EscCase{"Button1", 1},
                                           EscCase{"WebTicketBox", 3}, EscCase{"Button5", 7}),
                         [](const ::testing::TestParamInfo<EscCase>& info) { return info.param.name; });

TEST_F(MainWindowTest, ControlTextsRoundTripAsGbk) {
  SetControlText(MainWindowId, WebTicketBox, "频道ID：#1");
  EXPECT_EQ(TextOf(C(WebTicketBox)), L"频道ID：#1");
  EXPECT_EQ(TakeText(GetControlText(MainWindowId, WebTicketBox)), "频道ID：#1");
  SetControlText(MainWindowId, WebTicketBox, nullptr);
  EXPECT_EQ(GetControlText(MainWindowId, WebTicketBox), nullptr) << "an empty box reads as null";
}

}  // namespace
