#pragma once
// One ini file, read and written through the platform's private-profile
// functions. Holds the path only; every call opens the file anew.
#include <windows.h>

#include <string>

#include "model/ini_section.h"

class IniFile {
 public:
  explicit IniFile(std::wstring path) : path_(std::move(path)) {}

  const std::wstring& Path() const { return path_; }

  // At most 2047 characters; `fallback` when the file, section or key is missing.
  std::wstring ReadString(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) const;
  bool WriteString(const wchar_t* section, const wchar_t* key, const std::wstring& text) const;
  bool WriteInt(const wchar_t* section, const wchar_t* key, int value) const;

  // A whole section in one call each way.
  IniSection ReadSection(const wchar_t* section) const;
  // A key of a section read whole, as ReadString gives it.
  static std::wstring ValueIn(const IniSection& section, const wchar_t* key, const wchar_t* fallback);
  bool WriteSection(const wchar_t* section, const IniSection& entries) const;

 private:
  std::wstring path_;
};
