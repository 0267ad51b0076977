// How a channel ID becomes the two plane tickets.
#pragma once

#include <cstdint>

#include "core/text.h"

extern const char WebTicketPrefix[];
extern const char ClientTicketPrefix[];

struct Notice {
  TextValue text;
  TextValue title;
  uint32_t flags;
};

// Only an ID without any character is empty; blanks count as characters.
bool IsChannelIdEmpty(TextValue channelId);

// Prefix followed by every byte of the ID, untrimmed and unescaped.
TextValue BuildWebTicket(TextValue channelId);
TextValue BuildClientTicket(TextValue channelId);

Notice EmptyChannelIdNotice();
