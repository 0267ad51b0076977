// The program file's version block, read back through the version API, and
// the texts the cross compiler wrote.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/child_process.h"

namespace {

class VersionBlockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::wstring path = BesideTestProgram(L"tavrino.exe");
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    block.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  }

  std::wstring Value(const std::wstring& name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    std::wstring key = L"\\StringFileInfo\\080404B0\\" + name;
    if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) {
      return L"<absent>";
    }
    return std::wstring(value, length > 0 ? length - 1 : 0);
  }

  std::vector<char> block;
};

TEST_F(VersionBlockTest, FixedPart) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileOS, 4u);
  EXPECT_EQ(fixed->dwFileType, 1u);
}

TEST_F(VersionBlockTest, TranslationIsSimplifiedChineseInUnicode) {
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);
}

TEST_F(VersionBlockTest, StringTable) {
  EXPECT_EQ(Value(L"OriginalFilename"), L"tavrino.exe");
  EXPECT_EQ(Value(L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(Value(L"ProductVersion"), L"1.0.0.0");
  EXPECT_EQ(Value(L"FileDescription"), L"YY 频道飞机票生成器");
  for (const wchar_t* name : {L"CompanyName", L"InternalName", L"LegalCopyright", L"ProductName"}) {
    std::wstring value = Value(name);
    EXPECT_NE(value, L"<absent>") << name;
    EXPECT_FALSE(value.empty()) << name;
  }
}

TEST(GbkLiteralsTest, TheCrossCompilerWritesGbk) {
  EXPECT_EQ(std::string("频道ID"), "\xC6\xB5\xB5\xC0\x49\x44");
  EXPECT_EQ(std::string("："), "\xA3\xBA");
}

TEST(ProgramIconTest, TheResourceIconLoadsAt128Pixels) {
  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, 0, 0, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 128);
  EXPECT_EQ(bitmap.bmHeight, 128);
  EXPECT_EQ(bitmap.bmBitsPixel, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

}  // namespace
