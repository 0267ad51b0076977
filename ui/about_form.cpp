#include "ui/app_icon.h"
#include "ui/forms.h"
#include "ui/ids.h"

// The author's contact numbers. These are placeholders that reach nobody:
// put the real ones here, keeping the digit counts (7, 10 and 10).
#define AUTHOR_YY_GROUP "0000000"
#define AUTHOR_QQ_FIRST "0000000000"
#define AUTHOR_QQ_SECOND "0000000000"

namespace {
constexpr char kContactText[] =
    "作者YY群：" AUTHOR_YY_GROUP "\r\n"
    "                          "
    "作者QQ：" AUTHOR_QQ_FIRST "   " AUTHOR_QQ_SECOND;
static_assert(sizeof kContactText == 76 + 1, "the contact text keeps its layout");

constexpr FormEntry AboutWindowEntry() {
  FormEntry e;
  e.entryId = 0x06010034;
  e.rect = {50, 50, 229, 176};
  e.backColor = 0x00ECECEC;
  e.backPicture = &AppIcon;
  e.alwaysOnTop = true;
  return e;
}

constexpr FormEntry kAboutEntries[] = {
    AboutWindowEntry(),
    TransLabel(0x16010036, "透明标签1", kClientArea, {96, 8, 120, 120}, kContactText, kRed,
               nullptr),
};
}  // namespace

extern const FormDescription AboutForm = {AboutWindowId, kAboutEntries,
                                          sizeof kAboutEntries / sizeof kAboutEntries[0]};
