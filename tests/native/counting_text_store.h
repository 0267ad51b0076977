// The text store of the native tests: malloc underneath, with every
// allocation and release counted so tests can see sizes and leaks.
#pragma once

#include <cstddef>
#include <vector>

#include <string>

struct TextStoreLog {
  std::vector<size_t> allocations;  // sizes, in order
  size_t releases = 0;
  size_t live = 0;
  // Calls in order, shared with the fake window services so that tests see
  // releases between reads and writes: "Release <text>".
  std::vector<std::string> calls;
};

TextStoreLog& StoreLog();
void ResetStoreLog();
