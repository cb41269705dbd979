#pragma once
// What every fuzz target shares: a broken promise stops the run with its
// reason (libFuzzer keeps the input), and texts and records are read from
// the input the way the program gets them from outside.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

[[noreturn]] inline void FuzzFail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: promise broken: %s\n", file, line, what);
  std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? void() : FuzzFail(#condition, __FILE__, __LINE__))

// The input as little-endian UTF-16 units, as the platform hands texts over.
inline std::u16string Utf16Units(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  return text;
}

inline std::u16string ConsumeText(FuzzedDataProvider& input, std::size_t maxUnits) {
  const std::string bytes = input.ConsumeRandomLengthString(2 * maxUnits);
  return Utf16Units(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Overwrites stretches of a record anywhere in it, so a short input can reach
// every field of a large record.
template <typename Record>
void ApplyPatches(FuzzedDataProvider& input, Record& record) {
  static_assert(std::is_trivially_copyable_v<Record>);
  auto* bytes = reinterpret_cast<std::uint8_t*>(&record);
  while (input.remaining_bytes() > 0) {
    const std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, sizeof(Record) - 1);
    const std::string patch = input.ConsumeRandomLengthString(sizeof(Record) - at);
    std::memcpy(bytes + at, patch.data(), patch.size());
  }
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}
