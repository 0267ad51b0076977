#include "ui/actions.h"
#include "ui/app_icon.h"
#include "ui/forms.h"
#include "ui/ids.h"

namespace {
constexpr uint32_t kGroup1 = 0x16010002;  // left column: the ID and the generate buttons
constexpr uint32_t kGroup2 = 0x1601000A;  // the ID row
constexpr uint32_t kGroup3 = 0x16010014;  // right column: the tickets and the copy buttons
constexpr uint32_t kGroup4 = 0x1601001C;  // the web ticket row
constexpr uint32_t kGroup5 = 0x16010018;  // the client ticket row
constexpr uint32_t kHintBlue = 0x00C06000;

constexpr FontSpec kHintFont = {-21, 0, 0, 0, 400, false, false, false, ""};

constexpr FormEntry MainWindowEntry() {
  FormEntry e;
  e.entryId = 0x06010000;
  e.rect = {50, 50, 455, 250};
  e.caption = "Tavrino             【免费版】";
  e.startPosition = 1;
  e.icon = &AppIcon;
  e.event0 = OnMainWindowCreated;
  return e;
}

// Earlier entries lie above later siblings.
constexpr FormEntry kMainEntries[] = {
    MainWindowEntry(),
    Button(0x16010032, "按钮5", kGroup3, {152, 192, 80, 32}, "关于作者", OnShowAbout),
    Button(0x1601002D, "按钮4", kGroup3, {152, 152, 80, 32}, "复制YY飞机票", OnCopyClientTicket),
    Button(0x1601002C, "按钮3", kGroup3, {152, 64, 80, 32}, "复制QQ飞机票", OnCopyWebTicket),
    GroupBox(kGroup3, "分组框3", kClientArea, {208, -4, 240, 226}),
    Label(0x16010016, "标签5", kGroup5, {16, 12, 56, 32}, "YY飞机票：", kRed),
    EditBox(ClientTicketBox, "编辑框_YY飞机", kGroup5, {80, 16, 136, 24}),
    GroupBox(kGroup5, "分组框5", kGroup3, {8, 96, 224, 48}),
    Label(0x1601001A, "标签4", kGroup3, {24, 21, 56, 32}, "QQ飞机票：", kRed),
    EditBox(WebTicketBox, "编辑框_频道代码", kGroup4, {80, 16, 136, 24}),
    GroupBox(kGroup4, "分组框4", kGroup3, {8, 8, 224, 48}),
    GroupBox(kGroup1, "分组框1", kClientArea, {-1, -4, 208, 226}),
    Button(0x16010003, "按钮2", kGroup1, {64, 160, 80, 32}, "生成飞机票", OnGenerateClientTicket),
    Label(0x16010004, "标签3", kGroup1, {8, 160, 56, 32}, "YY飞机票：", kRed),
    Button(0x16010005, "按钮1", kGroup1, {65, 119, 80, 32}, "生成飞机票", OnGenerateWebTicket),
    Label(0x16010006, "标签2", kGroup1, {8, 120, 56, 32}, "QQ飞机票：", kRed),
    TransLabel(0x16010007, "透明标签1", kGroup1, {8, 64, 192, 56},
               "↑输入YY频道的ID  选择要生成的飞机票", kHintBlue, &kHintFont),
    EditBox(ChannelIdBox, "编辑框_频道ID", kGroup2, {48, 14, 128, 24}),
    Label(0x16010009, "标签1", kGroup2, {4, 11, 40, 32}, "频道ID：", kBlack),
    GroupBox(kGroup2, "分组框2", kGroup1, {8, 9, 192, 48}),
};
}  // namespace

extern const FormDescription MainForm = {MainWindowId, kMainEntries,
                                         sizeof kMainEntries / sizeof kMainEntries[0]};
