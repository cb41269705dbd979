#include "macro_file.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "data_folder.h"
#include "file_replacement.h"
#include "framework/wide.h"
#include "macro/macro_buttons.h"
#include "macro/macro_file_key.h"
#include "private_profile.h"

namespace {

constexpr wchar_t kSection[] = L"Macros";
constexpr wchar_t kNumberKey[] = L"number";
constexpr wchar_t kFileName[] = L"\\sequence.dat";

// The positions below `number` that have a key, in list order. The keys
// present bound the work, however large `number` claims to be.
std::vector<int> StoredPositions(const std::wstring& file, int number) {
  std::vector<int> positions;
  for (const std::wstring& key : KeyNames(file, kSection))
    if (auto position = MacroFilePosition(Utf16(key), number)) positions.push_back(*position);
  std::ranges::sort(positions);
  const auto [first, last] = std::ranges::unique(positions);
  positions.erase(first, last);
  return positions;
}

}  // namespace

std::wstring MacroFilePath() { return GetDataFolder() + kFileName; }

bool SaveMacros(const MacroList& list, const std::wstring& file) {
  FileReplacement replacement(file);
  const std::wstring& next = replacement.NewPath();
  if (next.empty()) return false;
  bool written = WritePrivateProfileStringW(kSection, kNumberKey, std::to_wstring(list.Count()).c_str(), next.c_str());
  for (int i = 0; written && i < list.Count(); ++i)
    written = WriteStruct(next, kSection, std::to_wstring(i).c_str(), *list.ElementAt(i));
  FlushPrivateProfile(next);
  return written && replacement.Commit();
}

bool SaveMacros(const MacroList& list) { return SaveMacros(list, MacroFilePath()); }

void LoadMacros(MacroList& list, const std::wstring& file) {
  const int number = static_cast<int>(GetPrivateProfileIntW(kSection, kNumberKey, -1, file.c_str()));
  if (number < 1) {
    list.Clear();
    return;
  }
  if (list.Count() > 0) return;
  for (int position : StoredPositions(file, number)) {
    auto element = NewMacro(u"");
    if (!ReadStruct(file, kSection, std::to_wstring(position).c_str(), *element)) continue;
    RepairElement(*element);
    list.Append(std::move(element));
  }
}

void LoadMacros(MacroList& list) { LoadMacros(list, MacroFilePath()); }
