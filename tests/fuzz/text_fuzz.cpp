// libFuzzer target: the text operations against a plain reference built on
// std::string.
//
// The input is cut at its 0 bytes into up to ten parts; the first byte's low
// bits choose which parts are passed as null.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/text.h"
#include "tests/native/counting_text_store.h"

namespace {

constexpr size_t kMaxParts = 10;

int CompareReference(const std::string& left, const std::string& right) {
  for (size_t i = 0;; ++i) {
    unsigned l = i < left.size() ? static_cast<unsigned char>(left[i]) : 0;
    unsigned r = i < right.size() ? static_cast<unsigned char>(right[i]) : 0;
    if (l != r) return l < r ? -1 : 1;
    if (l == 0) return 0;
  }
}

template <size_t... I>
TextValue ConcatAll(const TextValue* parts, std::index_sequence<I...>) {
  return ConcatText(sizeof...(I), parts[I]...);
}

template <size_t N>
TextValue ConcatN(const TextValue* parts) {
  return ConcatAll(parts, std::make_index_sequence<N>());
}

using Concat = TextValue (*)(const TextValue*);
constexpr Concat kConcat[kMaxParts + 1] = {nullptr,     ConcatN<1>, ConcatN<2>, ConcatN<3>,
                                           ConcatN<4>,  ConcatN<5>, ConcatN<6>, ConcatN<7>,
                                           ConcatN<8>,  ConcatN<9>, ConcatN<10>};

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const unsigned nullMask = data[0];
  std::vector<std::string> texts;  // what each part reads as
  std::vector<std::string> storage;
  std::string current;
  for (size_t i = 1; i < size && texts.size() < kMaxParts; ++i) {
    if (data[i] == 0) {
      texts.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (texts.size() < kMaxParts) texts.push_back(current);
  storage = texts;  // the bytes handed over, ended by their terminators

  TextValue parts[kMaxParts] = {};
  for (size_t i = 0; i < texts.size(); ++i) {
    if (nullMask & (1u << (i % 8))) {
      texts[i].clear();  // null reads as the empty text
    } else {
      parts[i] = storage[i].c_str();
    }
  }

  std::string joined;
  for (size_t i = 0; i < texts.size(); ++i) {
    Check(TextLength(parts[i]) == texts[i].size());
    joined += texts[i];
    for (size_t j = 0; j < texts.size(); ++j) {
      Check(CompareText(parts[i], parts[j]) == CompareReference(texts[i], texts[j]));
    }
  }

  ResetStoreLog();
  TextValue result = kConcat[texts.size()](parts);
  Check(result != nullptr);
  Check(StoreLog().allocations.size() == 1 && StoreLog().allocations[0] == joined.size() + 1);
  Check(std::string(result, joined.size() + 1) == std::string(joined.c_str(), joined.size() + 1));
  ReleaseText(result);
  Check(StoreLog().live == 0);
  return 0;
}
