// The main window's routines against the fake window services.
#include "ui/actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/counting_text_store.h"
#include "tests/native/fake_window_services.h"
#include "ui/ids.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kReadId = "Get 52010001 16010008";
const std::string kWebBox = "1601001B";
const std::string kClientBox = "16010017";
const std::string kNotice = "MessageBox 频道ID不能为空 | 不能为空： | 64";

class ActionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFake(); }
  void TearDown() override { EXPECT_EQ(StoreLog().live, 0u) << "a text was not released"; }
  const Calls& calls() { return StoreLog().calls; }
};

struct GenerateCase {
  const char* name;
  void (*routine)();
  std::string targetBox;
  std::string prefix;
};

class GenerateTest : public ActionsTest, public ::testing::WithParamInterface<GenerateCase> {};

TEST_P(GenerateTest, ReadsTheIdTwiceAndWritesTheTicket) {
  const GenerateCase& c = GetParam();
  Fake().boxes[ChannelIdBox] = "12345";
  c.routine();
  const std::string ticket = c.prefix + "12345";
  EXPECT_EQ(calls(), (Calls{kReadId, "Release 12345", kReadId, "Release 12345",
                            "Set 52010001 " + c.targetBox + " " + ticket, "Release " + ticket}));
}

TEST_P(GenerateTest, EmptyIdShowsTheNoticeAndWritesNothing) {
  const GenerateCase& c = GetParam();
  Fake().boxes[WebTicketBox] = "old web";
  Fake().boxes[ClientTicketBox] = "old client";
  c.routine();
  EXPECT_EQ(calls(), (Calls{kReadId, kNotice}));
  EXPECT_EQ(Fake().boxes[WebTicketBox], "old web");
  EXPECT_EQ(Fake().boxes[ClientTicketBox], "old client");
}

TEST_P(GenerateTest, BlanksLettersAndChineseAreKeptAsTyped) {
  const GenerateCase& c = GetParam();
  for (std::string id : {" ", " 7 ", "#/?%", "频道abc"}) {
    ResetFake();
    Fake().boxes[ChannelIdBox] = id;
    c.routine();
    EXPECT_EQ(Fake().boxes[c.targetBox == kWebBox ? WebTicketBox : ClientTicketBox], c.prefix + id);
    EXPECT_EQ(StoreLog().live, 0u);
  }
}

TEST_P(GenerateTest, GeneratingAgainReplacesTheTicket) {
  const GenerateCase& c = GetParam();
  Fake().boxes[ChannelIdBox] = "111";
  c.routine();
  Fake().boxes[ChannelIdBox] = "222";
  c.routine();
  EXPECT_EQ(Fake().boxes[c.targetBox == kWebBox ? WebTicketBox : ClientTicketBox], c.prefix + "222");
}

INSTANTIATE_TEST_SUITE_P(
    Routines, GenerateTest,
    ::testing::Values(GenerateCase{"Web", OnGenerateWebTicket, kWebBox, "http://www.yy.com/go.html#"},
                      GenerateCase{"Client", OnGenerateClientTicket, kClientBox, "yy://"}),
    [](const ::testing::TestParamInfo<GenerateCase>& info) { return info.param.name; });

struct CopyCase {
  const char* name;
  void (*routine)();
  ControlId sourceBox;
  std::string sourceHex;
};

class CopyTest : public ActionsTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyTest, CopiesWhatTheBoxHoldsNow) {
  const CopyCase& c = GetParam();
  Fake().boxes[ChannelIdBox] = "999";
  Fake().boxes[c.sourceBox] = "yy://12345";
  c.routine();
  EXPECT_EQ(calls(), (Calls{"Get 52010001 " + c.sourceHex, "Copy yy://12345", "Release yy://12345"}));
  EXPECT_EQ(Fake().clipboard, (std::vector<std::string>{"yy://12345"}));
}

TEST_P(CopyTest, AnEmptyBoxPlacesTheEmptyText) {
  const CopyCase& c = GetParam();
  c.routine();
  EXPECT_EQ(calls(), (Calls{"Get 52010001 " + c.sourceHex, "Copy "}));
  EXPECT_EQ(Fake().clipboard, (std::vector<std::string>{""}));
}

TEST_P(CopyTest, ABusyClipboardShowsNothing) {
  const CopyCase& c = GetParam();
  Fake().boxes[c.sourceBox] = "x";
  Fake().clipboardBusy = true;
  c.routine();
  EXPECT_EQ(calls(), (Calls{"Get 52010001 " + c.sourceHex, "Copy x", "Release x"}));
}

INSTANTIATE_TEST_SUITE_P(
    Routines, CopyTest,
    ::testing::Values(CopyCase{"Web", OnCopyWebTicket, WebTicketBox, "1601001B"},
                      CopyCase{"Client", OnCopyClientTicket, ClientTicketBox, "16010017"}),
    [](const ::testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

TEST_F(ActionsTest, ShowAboutOpensTheAboutWindowAndTouchesNoControl) {
  OnShowAbout();
  EXPECT_EQ(calls(), (Calls{"OpenModalWindow 52010035"}));
}

TEST_F(ActionsTest, MainWindowCreatedDoesNothing) {
  OnMainWindowCreated();
  EXPECT_TRUE(calls().empty());
}

}  // namespace
