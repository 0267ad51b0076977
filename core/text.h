// Text values: GBK byte strings ended by one 0 byte. Null is the empty text.
#pragma once

#include <cstddef>
#include <cstdint>

using TextValue = const char*;

// Plain unsigned byte order; null sorts like "". Result is exactly -1, 0 or +1.
int32_t CompareText(TextValue left, TextValue right);

uint32_t TextLength(TextValue text);

// A fresh owned text holding the parts one after another, from exactly one
// allocation of exactly the needed size. Never null.
TextValue ConcatText(uint32_t count, ...);

// Gives an owned text back to the store; null and fixed texts are left alone.
void ReleaseText(TextValue text);
