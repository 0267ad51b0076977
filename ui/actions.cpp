#include "ui/actions.h"

#include "core/tickets.h"
#include "ui/ids.h"

namespace {
using TicketRule = TextValue (*)(TextValue channelId);

// The ID is read twice: once to test it, once to build from, so each copy
// is released right after its single use.
void GenerateTicket(TicketRule buildTicket, ControlId targetBox) {
  TextValue firstCopy = GetControlText(MainWindowId, ChannelIdBox);
  bool empty = IsChannelIdEmpty(firstCopy);
  ReleaseText(firstCopy);
  if (empty) {
    Notice notice = EmptyChannelIdNotice();
    ShowMessageBox(notice.text, notice.flags, notice.title);
    return;
  }
  TextValue secondCopy = GetControlText(MainWindowId, ChannelIdBox);
  TextValue ticket = buildTicket(secondCopy);
  ReleaseText(secondCopy);
  SetControlText(MainWindowId, targetBox, ticket);
  ReleaseText(ticket);
}

// Copies whatever the box holds now; an empty box leaves an empty text.
void CopyTicket(ControlId sourceBox) {
  TextValue ticket = GetControlText(MainWindowId, sourceBox);
  CopyTextToClipboard(ticket ? ticket : "");
  ReleaseText(ticket);
}
}  // namespace

void OnMainWindowCreated() {}

void OnGenerateWebTicket() { GenerateTicket(BuildWebTicket, WebTicketBox); }

void OnGenerateClientTicket() { GenerateTicket(BuildClientTicket, ClientTicketBox); }

void OnCopyWebTicket() { CopyTicket(WebTicketBox); }

void OnCopyClientTicket() { CopyTicket(ClientTicketBox); }

void OnShowAbout() { OpenModalWindow(AboutWindowId); }
