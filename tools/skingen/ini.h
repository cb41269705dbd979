#pragma once
// A small reader of the skin's ini files (ASCII layouts), read the way the
// program's private-profile reads read them: sections and keys match
// without regard to case, the first of duplicate keys wins.
#include <optional>
#include <string>
#include <utility>
#include <vector>

class IniDocument {
 public:
  static std::optional<IniDocument> Load(const std::string& path);
  static IniDocument Parse(const std::string& text);

  // The value, or `fallback` when the section or key is missing.
  std::string Get(const std::string& section, const std::string& key, const std::string& fallback = "") const;
  std::vector<std::string> Sections() const;
  // The keys of a section in file order.
  std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  const Section* Find(const std::string& section) const;
  std::vector<Section> sections_;
};
