#include "core/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/native/counting_text_store.h"

namespace {

struct CompareCase {
  TextValue left;
  TextValue right;
  int32_t expected;
};

class CompareTextTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextTest, GivesUnsignedByteOrder) {
  const CompareCase& c = GetParam();
  EXPECT_EQ(CompareText(c.left, c.right), c.expected);
}

const char kHighByte[] = "\x80";

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareTextTest,
    ::testing::Values(
        // Null is the empty text.
        CompareCase{nullptr, nullptr, 0}, CompareCase{nullptr, "", 0},
        CompareCase{"", nullptr, 0}, CompareCase{nullptr, "a", -1},
        CompareCase{"a", nullptr, 1}, CompareCase{"", "", 0},
        // A proper prefix sorts first.
        CompareCase{"ab", "abc", -1}, CompareCase{"abc", "ab", 1},
        CompareCase{"abc", "abc", 0},
        // No case folding.
        CompareCase{"A", "a", -1}, CompareCase{"a", "A", 1},
        // Bytes from 0x80 up sort after ASCII: unsigned, not signed char.
        CompareCase{"频道ID", "ID", 1}, CompareCase{"ID", "频道ID", -1},
        CompareCase{kHighByte, "\x7f", 1}, CompareCase{"\x01", kHighByte, -1},
        // Results are exactly -1 and +1, not byte differences.
        CompareCase{"a", "z", -1}, CompareCase{"\xfe", "\x01", 1}));

TEST(TextLengthTest, CountsBytesBeforeTheTerminator) {
  EXPECT_EQ(TextLength(nullptr), 0u);
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("yy://"), 5u);
  EXPECT_EQ(TextLength("频道ID"), 6u);
  EXPECT_EQ(TextLength("ab\0cd"), 2u);
}

class ConcatTextTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetStoreLog(); }
  void TearDown() override { EXPECT_EQ(StoreLog().live, 0u) << "a text was not released"; }
};

TEST_F(ConcatTextTest, AllocatesOnceExactlyTheNeededSize) {
  TextValue result = ConcatText(2, "12345", "abc");
  ASSERT_EQ(StoreLog().allocations.size(), 1u);
  EXPECT_EQ(StoreLog().allocations[0], 9u);
  EXPECT_STREQ(result, "12345abc");
  ReleaseText(result);
}

TEST_F(ConcatTextTest, NullPartsContributeNothing) {
  TextValue client = ConcatText(2, "yy://", nullptr);
  EXPECT_EQ(std::memcmp(client, "yy://", 6), 0);
  TextValue empty = ConcatText(2, nullptr, nullptr);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty[0], 0);
  EXPECT_EQ(StoreLog().allocations, (std::vector<size_t>{6, 1}));
  ReleaseText(client);
  ReleaseText(empty);
}

TEST_F(ConcatTextTest, ResultIsIndependentOfItsParts) {
  TextValue id = ConcatText(1, "12345");
  TextValue ticket = ConcatText(2, "yy://", id);
  EXPECT_NE(ticket, id);
  ReleaseText(id);
  EXPECT_STREQ(ticket, "yy://12345");
  ReleaseText(ticket);
}

TEST_F(ConcatTextTest, CopiesGbkBytesUnchanged) {
  TextValue result = ConcatText(2, "频道", "ID：");
  EXPECT_EQ(std::string(result), "\xC6\xB5\xB5\xC0" "ID\xA3\xBA");
  EXPECT_EQ(StoreLog().allocations[0], 9u);
  ReleaseText(result);
}

TEST_F(ConcatTextTest, JoinsManyPartsInOrder) {
  TextValue result = ConcatText(10, "0", "1", "2", nullptr, "3", "", "4", "5", "6", "789");
  EXPECT_STREQ(result, "0123456789");
  EXPECT_EQ(StoreLog().allocations[0], 11u);
  ReleaseText(result);
}

TEST_F(ConcatTextTest, ReleaseLeavesNullAndFixedTextsAlone) {
  static const char kFixed[] = "yy://";
  ReleaseText(nullptr);
  ReleaseText(kFixed);
  ReleaseText("");
  EXPECT_EQ(StoreLog().releases, 0u);
  EXPECT_STREQ(kFixed, "yy://");
}

TEST(GbkLiteralsTest, NarrowLiteralsAreCompiledToGbk) {
  EXPECT_EQ(std::string("频道ID"), "\xC6\xB5\xB5\xC0\x49\x44");
  EXPECT_EQ(std::string("："), "\xA3\xBA");
}

}  // namespace
