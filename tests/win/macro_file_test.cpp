#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "macro/macro_buttons.h"
#include "model/text.h"
#include "store/macro_file.h"
#include "store/private_profile.h"
#include "temp_folder.h"

namespace {

// Every byte of the element is set, including those after the name's
// terminator and the events after the count: all of them must survive.
std::unique_ptr<tagElement> Macro(std::u16string_view name, int count, std::uint8_t seed) {
  auto element = NewMacro(name);
  auto bytes = reinterpret_cast<std::uint8_t*>(element.get());
  for (std::size_t i = 2 * (name.size() + 1); i < sizeof(tagElement); ++i)
    bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
  element->repeat = seed;
  element->count = count;
  return element;
}

std::vector<char> FileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::u16string_view> Names(const MacroList& list) {
  std::vector<std::u16string_view> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(TextOf(list.ElementAt(i)->name));
  return names;
}

bool SameBytes(const tagElement& a, const tagElement& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The value the platform writes for the record, as text.
std::wstring Encoded(const tagElement& element) {
  TempFolder folder;
  const std::wstring file = folder.File(L"one.ini");
  WriteStruct(file, L"s", L"k", element);
  wchar_t text[1024] = {};
  GetPrivateProfileStringW(L"s", L"k", L"", text, 1024, file.c_str());
  return text;
}

class MacroFile : public testing::Test {
 protected:
  void WriteValue(const wchar_t* key, const std::wstring& value) {
    WritePrivateProfileStringW(L"Macros", key, value.c_str(), file.c_str());
  }
  std::vector<std::wstring> Keys() { return KeyNames(file, L"Macros"); }

  TempFolder folder;
  std::wstring file = folder.File(L"sequence.dat");
  MacroList saved;
  MacroList loaded;
};

}  // namespace

TEST_F(MacroFile, SavedMacrosComeBackByteForByteInListOrder) {
  saved.Append(Macro(u"Reload", 2, 0x11));
  saved.Append(Macro(u"Ünïcode ✓ 15 ch", kMaxEntries, 0x22));
  saved.Append(Macro(u"", 0, 0x33));
  SaveMacros(saved, file);

  EXPECT_EQ(Keys(), (std::vector<std::wstring>{L"number", L"0", L"1", L"2"}));
  EXPECT_EQ(GetPrivateProfileIntW(L"Macros", L"number", -1, file.c_str()), 3u);
  for (int i = 0; i < 3; ++i) {
    tagElement platform;
    ASSERT_TRUE(GetPrivateProfileStructW(L"Macros", std::to_wstring(i).c_str(), &platform, sizeof platform,
                                         file.c_str()));
    EXPECT_TRUE(SameBytes(platform, *saved.ElementAt(i))) << i;
  }

  LoadMacros(loaded, file);
  ASSERT_EQ(loaded.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(SameBytes(*loaded.ElementAt(i), *saved.ElementAt(i))) << i;

  // What was loaded saves to the very same file.
  const std::wstring again = folder.File(L"again.dat");
  SaveMacros(loaded, again);
  EXPECT_EQ(FileBytes(again), FileBytes(file));
  EXPECT_FALSE(FileBytes(file).empty());
}

TEST_F(MacroFile, SavingAfterARemovalRenumbersTheKeys) {
  for (auto name : {u"a", u"b", u"c"}) saved.Append(NewMacro(name));
  SaveMacros(saved, file);
  saved.RemoveAt(1);
  SaveMacros(saved, file);

  EXPECT_EQ(Keys(), (std::vector<std::wstring>{L"number", L"0", L"1"}));
  LoadMacros(loaded, file);
  EXPECT_EQ(Names(loaded), (std::vector<std::u16string_view>{u"a", u"c"}));
}

TEST_F(MacroFile, NoMacrosMeansAnEmptyListAndAFullListIsNotReadInto) {
  SaveMacros(saved, file);
  EXPECT_EQ(Keys(), std::vector<std::wstring>{L"number"});
  EXPECT_EQ(GetPrivateProfileIntW(L"Macros", L"number", -1, file.c_str()), 0u);

  loaded.Append(NewMacro(u"stale"));
  LoadMacros(loaded, file);
  EXPECT_EQ(loaded.Count(), 0);

  loaded.Append(NewMacro(u"stale"));
  LoadMacros(loaded, folder.File(L"missing.dat"));
  EXPECT_EQ(loaded.Count(), 0);

  saved.Append(NewMacro(u"from file"));
  SaveMacros(saved, file);
  loaded.Append(NewMacro(u"kept"));
  LoadMacros(loaded, file);
  EXPECT_EQ(Names(loaded), std::vector<std::u16string_view>{u"kept"});
}

TEST_F(MacroFile, DamagedEntriesAreSkippedAndBadElementsRepaired) {
  auto good = Macro(u"good", 3, 0x40);
  good->events[0] = {};  // a zero byte, to be spelled with a letter below
  const std::wstring sound = Encoded(*good);
  const std::size_t zeroByte = 2 * offsetof(tagElement, events);
  ASSERT_EQ(sound.substr(zeroByte, 2), L"00");

  std::wstring badSum = sound;
  badSum.back() = badSum.back() == L'0' ? L'1' : L'0';
  // The platform reads "G0" as 0x100, kept as 00: the sum still holds.
  std::wstring letter = sound;
  letter.replace(zeroByte, 2, L"G0");

  auto unsound = Macro(u"", 300, 0x50);
  std::fill_n(unsound->name, kMacroNameUnits, u'n');

  WriteValue(L"number", L"8");
  WriteValue(L"0", sound);
  WriteValue(L"1", badSum);
  // no key "2"
  WriteValue(L"3", letter);
  WriteValue(L"4", sound.substr(0, sound.size() / 2));
  WriteValue(L"5", Encoded(*unsound));
  WriteValue(L"6", sound + L"00");
  WriteValue(L"07", sound);
  WriteValue(L"x", sound);
  WriteValue(L"8", sound);

  LoadMacros(loaded, file);

  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_TRUE(SameBytes(*loaded.ElementAt(0), *good));
  const tagElement& repaired = *loaded.ElementAt(1);
  EXPECT_EQ(TextOf(repaired.name), std::u16string(kMacroNameUnits - 1, u'n'));
  EXPECT_EQ(repaired.count, kMaxEntries);
  EXPECT_EQ(std::memcmp(repaired.events, unsound->events, sizeof repaired.events), 0);
}

TEST_F(MacroFile, AHugeNumberReadsOnlyTheKeysPresent) {
  saved.Append(NewMacro(u"one"));
  saved.Append(NewMacro(u"two"));
  SaveMacros(saved, file);
  WriteValue(L"number", L"2147483647");

  LoadMacros(loaded, file);
  EXPECT_EQ(Names(loaded), (std::vector<std::u16string_view>{u"one", u"two"}));
}

TEST_F(MacroFile, ASaveThatCannotBeWrittenKeepsThePreviousFileAndSaysSo) {
  saved.Append(NewMacro(u"kept"));
  ASSERT_TRUE(SaveMacros(saved, file));
  const std::vector<char> before = FileBytes(file);

  // Read-only is the user's word that the file stays as it is.
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  saved.Append(NewMacro(u"lost"));
  EXPECT_FALSE(SaveMacros(saved, file));
  EXPECT_EQ(FileBytes(file), before);

  // A replaced file keeps its other attributes.
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(SaveMacros(saved, file));
  EXPECT_EQ(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  LoadMacros(loaded, file);
  EXPECT_EQ(Names(loaded), (std::vector<std::u16string_view>{u"kept", u"lost"}));
}
