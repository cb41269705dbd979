#pragma once
// One section of an ini file in the form the platform's section functions
// exchange it: "key=value" entries, each NUL-terminated, a NUL at the end.
// Reading and setting keys here gives what the per-key functions would, so a
// whole profile can be read and written in one call each.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class IniSection {
 public:
  static IniSection Parse(std::u16string_view entries);

  // The value as the per-key reader returns it (one pair of enclosing
  // quotes removed); the first key of that name counts, letter case aside.
  std::optional<std::u16string> Get(std::u16string_view key) const;

  // Replaces the first key of that name in place (keeping its spelling) or
  // appends the key, as the per-key writer does.
  void Set(std::u16string_view key, std::u16string_view value);

  // Whether writing the section back whole gives the same file as writing
  // keys one by one: the section form loses entries without a value, and
  // values with blanks at their ends are stored differently.
  bool SafeToWriteWhole() const;

  std::u16string Serialize() const;

 private:
  struct Entry {
    std::u16string key;
    std::optional<std::u16string> value;
  };
  template <typename Entries>
  static auto FindIn(Entries& entries, std::u16string_view key);

  std::vector<Entry> entries_;
};

// Whether a file's bytes hold a comment line (";" first on the line). The
// section functions never pass comments, so such a file is only updated key
// by key, which keeps them.
bool IniFileHasComment(std::span<const std::uint8_t> fileBytes);
