#include "core/text.h"

#include <cstdarg>
#include <cstring>

#include "core/text_store.h"

int32_t CompareText(TextValue left, TextValue right) {
  const unsigned char* l = reinterpret_cast<const unsigned char*>(left ? left : "");
  const unsigned char* r = reinterpret_cast<const unsigned char*>(right ? right : "");
  while (*l == *r && *l != 0) {
    ++l;
    ++r;
  }
  if (*l == *r) return 0;
  return *l < *r ? -1 : 1;
}

uint32_t TextLength(TextValue text) {
  return text ? static_cast<uint32_t>(std::strlen(text)) : 0;
}

// The program only ever joins two parts, so a small fixed table of measured
// lengths avoids a second allocation; longer calls are measured in two passes.
TextValue ConcatText(uint32_t count, ...) {
  constexpr uint32_t kMeasured = 8;
  uint32_t lengths[kMeasured];
  size_t total = 1;
  va_list parts;
  va_start(parts, count);
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t length = TextLength(va_arg(parts, TextValue));
    if (i < kMeasured) lengths[i] = length;
    total += length;
  }
  va_end(parts);

  char* result = TextStoreAllocate(total);
  char* end = result;
  va_start(parts, count);
  for (uint32_t i = 0; i < count; ++i) {
    TextValue part = va_arg(parts, TextValue);
    uint32_t length = i < kMeasured ? lengths[i] : TextLength(part);
    if (length != 0) std::memcpy(end, part, length);
    end += length;
  }
  va_end(parts);
  *end = 0;
  return result;
}

void ReleaseText(TextValue text) {
  if (text == nullptr || IsFixedText(text)) return;
  TextStoreRelease(const_cast<char*>(text));
}
