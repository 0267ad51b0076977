#include "tests/native/counting_text_store.h"

#include <cstdlib>

#include "core/text_store.h"

extern "C" char __executable_start[];
extern "C" char _end[];

TextStoreLog& StoreLog() {
  static TextStoreLog log;
  return log;
}

void ResetStoreLog() { StoreLog() = TextStoreLog(); }

char* TextStoreAllocate(size_t bytes) {
  StoreLog().allocations.push_back(bytes);
  ++StoreLog().live;
  return static_cast<char*>(std::malloc(bytes));
}

void TextStoreRelease(char* storage) {
  StoreLog().calls.push_back(std::string("Release ") + storage);
  ++StoreLog().releases;
  --StoreLog().live;
  std::free(storage);
}

// The test program's own image, as the program's image on Windows.
bool IsFixedText(const char* text) { return text >= __executable_start && text < _end; }
