#include "ini.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::optional<IniDocument> IniDocument::Load(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::stringstream text;
  text << file.rdbuf();
  return Parse(text.str());
}

IniDocument IniDocument::Parse(const std::string& text) {
  IniDocument doc;
  std::istringstream lines(text);
  std::string line;
  Section* current = nullptr;
  while (std::getline(lines, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = Trim(line.substr(1, line.size() - 2));
      auto it = std::find_if(doc.sections_.begin(), doc.sections_.end(),
                             [&](const Section& s) { return SameText(s.name, name); });
      if (it == doc.sections_.end()) {
        doc.sections_.push_back({name, {}});
        current = &doc.sections_.back();
      } else {
        current = &*it;
      }
      continue;
    }
    const auto equals = line.find('=');
    if (!current || equals == std::string::npos) continue;
    current->entries.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
  }
  return doc;
}

const IniDocument::Section* IniDocument::Find(const std::string& section) const {
  for (const Section& s : sections_) {
    if (SameText(s.name, section)) return &s;
  }
  return nullptr;
}

std::string IniDocument::Get(const std::string& section, const std::string& key, const std::string& fallback) const {
  if (const Section* s = Find(section)) {
    for (const auto& [k, v] : s->entries) {
      if (SameText(k, key)) return v;
    }
  }
  return fallback;
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(const std::string& section) const {
  const Section* s = Find(section);
  return s ? s->entries : std::vector<std::pair<std::string, std::string>>{};
}
