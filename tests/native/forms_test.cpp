// The window descriptions as data.
#include "ui/forms.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ui/actions.h"
#include "ui/app_icon.h"
#include "ui/ids.h"

namespace {

const FormDescription& Form(WindowId id) {
  FormTable table = ProgramForms();
  for (uint32_t i = 0; i < table.count; ++i) {
    if (table.forms[i]->windowId == id) return *table.forms[i];
  }
  ADD_FAILURE() << "no form " << id;
  return *table.forms[0];
}

const FormEntry& Entry(const FormDescription& form, const std::string& name) {
  for (uint32_t i = 1; i < form.entryCount; ++i) {
    if (form.entries[i].name == name) return form.entries[i];
  }
  ADD_FAILURE() << "no entry " << name;
  return form.entries[0];
}

TEST(FormTableTest, HoldsBothWindows) {
  FormTable table = ProgramForms();
  ASSERT_EQ(table.count, 2u);
  EXPECT_EQ(table.forms[0]->windowId, MainWindowId);
  EXPECT_EQ(table.forms[1]->windowId, AboutWindowId);
}

TEST(FormTableTest, EveryParentIsAGroupBoxOfTheSameForm) {
  FormTable table = ProgramForms();
  for (uint32_t f = 0; f < table.count; ++f) {
    const FormDescription& form = *table.forms[f];
    EXPECT_EQ(form.entries[0].kind, EntryKind::Window);
    std::map<uint32_t, EntryKind> kinds;
    for (uint32_t i = 1; i < form.entryCount; ++i) kinds[form.entries[i].entryId] = form.entries[i].kind;
    EXPECT_EQ(kinds.size(), form.entryCount - 1) << "ids are unique";
    for (uint32_t i = 1; i < form.entryCount; ++i) {
      uint32_t parent = form.entries[i].parent;
      if (parent != kClientArea) {
        EXPECT_EQ(kinds[parent], EntryKind::GroupBox) << form.entries[i].name;
      }
    }
  }
}

TEST(MainFormTest, WindowEntry) {
  const FormEntry& w = Form(MainWindowId).entries[0];
  EXPECT_EQ(w.entryId, 0x06010000u);
  EXPECT_EQ(std::string(w.caption), "Tavrino" + std::string(13, ' ') + "【免费版】");
  EXPECT_EQ(w.rect.width, 455);
  EXPECT_EQ(w.rect.height, 250);
  EXPECT_EQ(w.startPosition, 1);
  EXPECT_EQ(w.backColor, DefaultColor);
  EXPECT_EQ(w.icon, &AppIcon);
  EXPECT_EQ(w.backPicture, nullptr);
  EXPECT_FALSE(w.alwaysOnTop);
  EXPECT_TRUE(w.escCloses);
  EXPECT_EQ(w.event0, OnMainWindowCreated);
}

TEST(MainFormTest, ControlsInTheirOrder) {
  const FormDescription& form = Form(MainWindowId);
  const char* names[] = {"按钮5", "按钮4", "按钮3", "分组框3", "标签5", "编辑框_YY飞机", "分组框5",
                         "标签4", "编辑框_频道代码", "分组框4", "分组框1", "按钮2", "标签3", "按钮1",
                         "标签2", "透明标签1", "编辑框_频道ID", "标签1", "分组框2"};
  ASSERT_EQ(form.entryCount, 20u);
  for (uint32_t i = 0; i < 19; ++i) EXPECT_EQ(std::string(form.entries[i + 1].name), names[i]);
}

TEST(MainFormTest, ButtonsAreBoundToTheirRoutines) {
  const FormDescription& form = Form(MainWindowId);
  EXPECT_EQ(Entry(form, "按钮1").event0, OnGenerateWebTicket);
  EXPECT_EQ(Entry(form, "按钮2").event0, OnGenerateClientTicket);
  EXPECT_EQ(Entry(form, "按钮3").event0, OnCopyWebTicket);
  EXPECT_EQ(Entry(form, "按钮4").event0, OnCopyClientTicket);
  EXPECT_EQ(Entry(form, "按钮5").event0, OnShowAbout);
  int bound = 0;
  for (uint32_t i = 1; i < form.entryCount; ++i) {
    const FormEntry& e = form.entries[i];
    EXPECT_EQ(e.tabStop, e.kind == EntryKind::Button || e.kind == EntryKind::EditBox) << e.name;
    bound += e.event0 != nullptr;
  }
  EXPECT_EQ(bound, 5);
}

TEST(MainFormTest, BoxIdsAreTheRoutinesIds) {
  const FormDescription& form = Form(MainWindowId);
  EXPECT_EQ(Entry(form, "编辑框_频道ID").entryId, ChannelIdBox);
  EXPECT_EQ(Entry(form, "编辑框_频道代码").entryId, WebTicketBox);
  EXPECT_EQ(Entry(form, "编辑框_YY飞机").entryId, ClientTicketBox);
}

TEST(MainFormTest, LabelColoursAndHintFont) {
  const FormDescription& form = Form(MainWindowId);
  for (const char* name : {"标签2", "标签3", "标签4", "标签5"}) {
    EXPECT_EQ(Entry(form, name).textColor, kRed) << name;
    EXPECT_EQ(Entry(form, name).backColor, DefaultColor) << name;
  }
  EXPECT_EQ(Entry(form, "标签1").textColor, kBlack);
  const FormEntry& hint = Entry(form, "透明标签1");
  EXPECT_EQ(hint.kind, EntryKind::TransLabel);
  EXPECT_EQ(hint.textColor, 0x00C06000u);
  EXPECT_TRUE(hint.wordWrap);
  ASSERT_NE(hint.font, nullptr);
  EXPECT_EQ(hint.font->height, -21);
  EXPECT_EQ(hint.font->weight, 400);
  EXPECT_EQ(hint.font->faceName[0], 0);
  EXPECT_EQ(std::string(hint.caption), "↑输入YY频道的ID  选择要生成的飞机票");
}

TEST(AboutFormTest, WindowAndContactText) {
  const FormDescription& form = Form(AboutWindowId);
  const FormEntry& w = form.entries[0];
  EXPECT_EQ(w.entryId, 0x06010034u);
  EXPECT_EQ(std::string(w.caption), "");
  EXPECT_EQ(w.rect.left, 50);
  EXPECT_EQ(w.rect.top, 50);
  EXPECT_EQ(w.rect.width, 229);
  EXPECT_EQ(w.rect.height, 176);
  EXPECT_EQ(w.startPosition, 0);
  EXPECT_EQ(w.backColor, 0x00ECECECu);
  EXPECT_EQ(w.backPicture, &AppIcon);
  EXPECT_TRUE(w.alwaysOnTop);
  EXPECT_EQ(w.event0, nullptr);
  ASSERT_EQ(form.entryCount, 2u);
  const FormEntry& label = form.entries[1];
  EXPECT_EQ(label.entryId, 0x16010036u);
  EXPECT_EQ(label.kind, EntryKind::TransLabel);
  EXPECT_EQ(label.textColor, kRed);
  EXPECT_EQ(label.font, nullptr);
  EXPECT_FALSE(label.tabStop);
  const std::string text = label.caption;
  ASSERT_EQ(text.size(), 76u);
  EXPECT_EQ(text.substr(0, 10), "作者YY群：");
  EXPECT_EQ(text.substr(17, 2), "\r\n");
  EXPECT_EQ(text.substr(19, 26), std::string(26, ' '));
  EXPECT_EQ(text.substr(45, 8), "作者QQ：");
  EXPECT_EQ(text.substr(63, 3), "   ");
  for (size_t at : {10, 53, 66}) {
    size_t digits = at == 10 ? 7 : 10;
    EXPECT_EQ(text.substr(at, digits).find_first_not_of("0123456789"), std::string::npos);
  }
}

}  // namespace
