// The text store of the native tests: malloc underneath, with every
// allocation and release counted so tests can see sizes and leaks.
#pragma once

#include <cstddef>
#include <vector>

struct TextStoreLog {
  std::vector<size_t> allocations;  // sizes, in order
  size_t releases = 0;
  size_t live = 0;
};

TextStoreLog& StoreLog();
void ResetStoreLog();
