#include "core/tickets.h"

// Web ticket: the YY web site's jump page with the ID as its fragment.
const char WebTicketPrefix[] = "http://www.yy.com/go.html#";
const char ClientTicketPrefix[] = "yy://";

namespace {
const char kEmptyText[] = "";
const char kEmptyIdText[] = "频道ID不能为空";
const char kEmptyIdTitle[] = "不能为空：";
constexpr uint32_t kInformationIcon = 64;  // MB_ICONINFORMATION with one OK button
}  // namespace

bool IsChannelIdEmpty(TextValue channelId) {
  return CompareText(channelId, kEmptyText) == 0;
}

TextValue BuildWebTicket(TextValue channelId) {
  return ConcatText(2, WebTicketPrefix, channelId);
}

TextValue BuildClientTicket(TextValue channelId) {
  return ConcatText(2, ClientTicketPrefix, channelId);
}

Notice EmptyChannelIdNotice() {
  return {kEmptyIdText, kEmptyIdTitle, kInformationIcon};
}
