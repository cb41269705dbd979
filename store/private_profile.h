#pragma once
// Whole records as single ini values in the platform's struct encoding: two
// hexadecimal digits per byte, then a checksum byte (the byte sum, modulo
// 256).
#include <cstddef>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

bool WriteStructValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                      std::span<const std::byte> bytes);

// Fills `bytes` only from a value of the exact length, made of hexadecimal
// digits alone, whose checksum holds; otherwise returns false and leaves
// `bytes` as it was.
bool ReadStructValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                     std::span<std::byte> bytes);

template <typename Record>
bool WriteStruct(const std::wstring& file, const wchar_t* section, const wchar_t* key, const Record& record) {
  static_assert(std::is_trivially_copyable_v<Record>);
  return WriteStructValue(file, section, key, std::as_bytes(std::span(&record, 1)));
}

template <typename Record>
bool ReadStruct(const std::wstring& file, const wchar_t* section, const wchar_t* key, Record& record) {
  static_assert(std::is_trivially_copyable_v<Record>);
  return ReadStructValue(file, section, key, std::as_writable_bytes(std::span(&record, 1)));
}

// The names of the keys of a section, in file order.
std::vector<std::wstring> KeyNames(const std::wstring& file, const wchar_t* section);

// Writes out whatever the platform still holds of the file in its cache.
void FlushPrivateProfile(const std::wstring& file);
