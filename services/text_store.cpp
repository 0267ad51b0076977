// The text store over the process's default heap.
#include <windows.h>

#include <charconv>
#include <cstring>

#include "core/text_store.h"
#include "services/text_store_hooks.h"
#include "services/window_services.h"

namespace {
const char kAllocationFailed[] = "分配内存失败，申请的字节数：";

[[noreturn]] void ReportExhaustedStore(size_t bytes) {
  char message[64] = {};
  std::strcpy(message, kAllocationFailed);
  size_t used = std::strlen(message);
  std::to_chars(message + used, message + sizeof message - 1, bytes);
  FatalStop(message, 0);
}

#ifdef TAVRINO_STORE_HOOKS
uint64_t allocations = 0;
uint64_t failingAllocation = 0;

bool InjectedFailure() { return ++allocations == failingAllocation; }
#else
constexpr bool InjectedFailure() { return false; }
#endif
}  // namespace

#ifdef TAVRINO_STORE_HOOKS
uint64_t TextStoreAllocations() { return allocations; }
void FailTextStoreAllocation(uint64_t nth) { failingAllocation = nth ? allocations + nth : 0; }
#endif

char* TextStoreAllocate(size_t bytes) {
  void* storage = InjectedFailure() ? nullptr : HeapAlloc(GetProcessHeap(), 0, bytes);
  if (storage == nullptr) ReportExhaustedStore(bytes);
  return static_cast<char*>(storage);
}

void TextStoreRelease(char* storage) { HeapFree(GetProcessHeap(), 0, storage); }

// The program's constant texts live in its own image; the heap never does.
bool IsFixedText(const char* text) {
  const auto base = reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto at = reinterpret_cast<uintptr_t>(text);
  return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}
