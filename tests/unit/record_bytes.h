#pragma once
// Byte-level views of records, for tests that check layouts and which bytes
// an operation may touch.
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

template <typename T>
std::span<std::uint8_t> BytesOf(T& record) {
  return {reinterpret_cast<std::uint8_t*>(&record), sizeof record};
}

template <typename T>
std::span<const std::uint8_t> BytesOf(const T& record) {
  return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

// A record on the heap (they are up to 63676 bytes) with every byte `fill`.
template <typename T>
std::unique_ptr<T> FilledRecord(std::uint8_t fill) {
  auto record = std::make_unique<T>();
  std::memset(record.get(), fill, sizeof(T));
  return record;
}

// Offsets at which two records differ.
template <typename T>
std::vector<std::size_t> DifferingOffsets(const T& a, const T& b) {
  std::vector<std::size_t> offsets;
  auto x = BytesOf(a);
  auto y = BytesOf(b);
  for (std::size_t i = 0; i < x.size(); ++i)
    if (x[i] != y[i]) offsets.push_back(i);
  return offsets;
}
