#include "core/tickets.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/native/counting_text_store.h"

namespace {

const std::string kWebPrefix = "http://www.yy.com/go.html#";

TEST(ChannelIdTest, OnlyAnIdWithoutAnyCharacterIsEmpty) {
  EXPECT_TRUE(IsChannelIdEmpty(nullptr));
  EXPECT_TRUE(IsChannelIdEmpty(""));
  EXPECT_FALSE(IsChannelIdEmpty(" "));
  EXPECT_FALSE(IsChannelIdEmpty("0"));
  EXPECT_FALSE(IsChannelIdEmpty("频道"));
}

TEST(TicketPrefixTest, PrefixesAreWholeFixedTexts) {
  EXPECT_EQ(std::string(WebTicketPrefix), kWebPrefix);
  EXPECT_EQ(std::string(ClientTicketPrefix), "yy://");
}

struct TicketCase {
  const char* id;
};

class TicketTest : public ::testing::TestWithParam<TicketCase> {
 protected:
  void SetUp() override { ResetStoreLog(); }
  void TearDown() override { EXPECT_EQ(StoreLog().live, 0u); }
};

// Every byte of the ID follows the prefix: nothing trimmed, checked or escaped.
TEST_P(TicketTest, AppendsTheIdUnchanged) {
  const std::string id = GetParam().id;
  TextValue web = BuildWebTicket(GetParam().id);
  TextValue client = BuildClientTicket(GetParam().id);
  EXPECT_EQ(std::string(web), kWebPrefix + id);
  EXPECT_EQ(std::string(client), "yy://" + id);
  EXPECT_EQ(TextLength(web), id.size() + 26);
  EXPECT_EQ(TextLength(client), id.size() + 5);
  EXPECT_EQ(StoreLog().allocations, (std::vector<size_t>{id.size() + 27, id.size() + 6}));
  ReleaseText(web);
  ReleaseText(client);
}

INSTANTIATE_TEST_SUITE_P(Ids, TicketTest,
                         ::testing::Values(TicketCase{"12345"}, TicketCase{" "},
                                           TicketCase{" 12 "}, TicketCase{"#/?% x"},
                                           TicketCase{"频道ID"}, TicketCase{"abc"},
                                           TicketCase{"http://x.cn/a#b"}));

TEST(EmptyChannelIdNoticeTest, IsAnInformationBoxWithItsTexts) {
  Notice notice = EmptyChannelIdNotice();
  EXPECT_EQ(std::string(notice.text), "频道ID不能为空");
  EXPECT_EQ(std::string(notice.title), "不能为空：");
  EXPECT_EQ(TextLength(notice.text), 14u);
  EXPECT_EQ(TextLength(notice.title), 10u);
  EXPECT_EQ(std::string(notice.title).substr(8), "\xA3\xBA");
  EXPECT_EQ(notice.flags, 64u);
}

}  // namespace
