#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/language.h"
#include "lang/string_ids.h"
#include "model/function_codes.h"
#include "temp_folder.h"

namespace {

// The build's output folder, as the program sees its own folder.
std::wstring OutputFolder() {
  std::wstring folder = LANGUAGE_OUTPUT_DIR;
  std::replace(folder.begin(), folder.end(), L'/', L'\\');
  return folder;
}

const wchar_t* const kLibraries[] = {
    L"Lang.dll",         L"Lang\\Lang_EN.dll", L"Lang\\Lang_Ge.dll",
    L"Lang\\Lang_Fr.dll", L"Lang\\Lang_It.dll", L"Lang\\Lang_Sp.dll",
};

std::wstring FolderOf(const TempFolder& folder) {
  std::wstring path = folder.File(L"x");
  path.pop_back();
  return path;
}

bool IsLoaded(const std::wstring& path) { return GetModuleHandleW(path.c_str()) != nullptr; }

TEST(LanguageLibraries, HoldEveryCataloguedText) {
  for (const wchar_t* name : kLibraries) {
    const std::wstring path = OutputFolder() + name;
    const HMODULE library = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(library, nullptr) << "missing " << testing::PrintToString(path);
    std::vector<int> missing, tooLong;
    for (const int id : kStringIds) {
      // A zero-sized buffer yields the stored text itself, untruncated.
      const wchar_t* text = nullptr;
      const int length = LoadStringW(library, static_cast<UINT>(id), reinterpret_cast<wchar_t*>(&text), 0);
      if (length <= 0) missing.push_back(id);
      if (length > kMaxTextLength) tooLong.push_back(id);
    }
    EXPECT_TRUE(missing.empty()) << testing::PrintToString(path) << " lacks " << testing::PrintToString(missing);
    EXPECT_TRUE(tooLong.empty()) << testing::PrintToString(path) << " too long: " << testing::PrintToString(tooLong);
    FreeLibrary(library);
  }
}

TEST(LanguageLibraries, CodeOfEveryIndex) {
  const struct {
    int index;
    const wchar_t* code;
    const wchar_t* library;
  } rows[] = {
      {0, L"EN", L"Lang_EN.dll"}, {1, L"DE", L"Lang_Ge.dll"}, {2, L"FR", L"Lang_Fr.dll"},
      {3, L"IT", L"Lang_It.dll"}, {4, L"ES", L"Lang_Sp.dll"}, {5, L"EN", L"Lang_EN.dll"},
      {7, L"EN", L"Lang_EN.dll"}, {-1, L"EN", L"Lang_EN.dll"},
  };
  for (const auto& row : rows) {
    EXPECT_STREQ(LanguageCode(row.index), row.code) << row.index;
    EXPECT_STREQ(LanguageLibraryName(row.index), row.library) << row.index;
  }
}

TEST(LanguageLibraries, SelectingALanguageChangesTheTexts) {
  const struct {
    int index;
    const wchar_t* apply;
    const char16_t* leftClick;
  } rows[] = {
      {0, L"Apply", u"Left click"},     {1, L"\u00dcbernehmen", u"Linksklick"},
      {2, L"Appliquer", u"Clic gauche"}, {3, L"Applica", u"Clic sinistro"},
      {4, L"Aplicar", u"Clic izquierdo"}, {7, L"Apply", u"Left click"},
      {1, L"\u00dcbernehmen", u"Linksklick"},
  };
  LanguageLibrary library;
  const LibraryTexts texts(library);
  for (const auto& row : rows) {
    ASSERT_TRUE(library.Select(OutputFolder(), row.index)) << row.index;
    EXPECT_EQ(library.Text(IDS_APPLY), row.apply) << row.index;
    EXPECT_EQ(FunctionName(kFnPrimaryClick, texts), row.leftClick) << row.index;
  }
  EXPECT_EQ(library.Text(1), L"") << "an ID the library lacks";
}

TEST(LanguageLibraries, MissingLanguageFallsBackToLangDll) {
  TempFolder folder;
  ASSERT_TRUE(CopyFileW((OutputFolder() + L"Lang.dll").c_str(), folder.File(L"Lang.dll").c_str(), TRUE));
  LanguageLibrary library;
  EXPECT_TRUE(library.Select(FolderOf(folder), 2));
  EXPECT_EQ(library.Text(IDS_CANCEL), L"Cancel");
}

TEST(LanguageLibraries, WithoutALibraryTheBuiltInEnglishTextsRead) {
  TempFolder empty;
  LanguageLibrary library;
  EXPECT_FALSE(library.Select(FolderOf(empty), 1));
  EXPECT_FALSE(library.Loaded());
  EXPECT_EQ(library.Text(IDS_OK), L"OK");
  EXPECT_EQ(library.Text(1), L"") << "an ID nobody has";

  // A language whose library is missing keeps the language shown so far.
  ASSERT_TRUE(library.Select(OutputFolder(), 3));
  EXPECT_FALSE(library.Select(FolderOf(empty), 1));
  EXPECT_EQ(library.Text(IDS_APPLY), L"Applica");

  // The test program's folder has no library: the process-wide texts are
  // the built-in ones, for captions and painted texts alike.
  LoadLanguageModule();
  EXPECT_EQ(LanguageText(IDS_CANCEL), L"Cancel");
  EXPECT_STREQ(SelectLanguage(1), L"DE");
  EXPECT_EQ(LanguageText(IDS_APPLY), L"Apply");
  EXPECT_EQ(FunctionName(kFnPrimaryClick, LanguageTexts()), u"Left click");
  UnloadLanguageModule();
  UnloadLanguageModule();
}

TEST(LanguageLibraries, UnloadingLeavesNoLibraryLoaded) {
  const std::wstring folder = OutputFolder();
  {
    LanguageLibrary library;
    ASSERT_TRUE(library.Select(folder, 0));
    ASSERT_TRUE(library.Select(folder, 0));
    ASSERT_TRUE(library.Select(folder, 1));
    EXPECT_TRUE(IsLoaded(folder + L"Lang\\Lang_Ge.dll"));
    EXPECT_FALSE(IsLoaded(folder + L"Lang\\Lang_EN.dll")) << "replaced libraries are freed";
    for (const int index : {4, 4, 0, 2, 3}) ASSERT_TRUE(library.Select(folder, index));
    EXPECT_FALSE(IsLoaded(folder + L"Lang\\Lang_Ge.dll"));
    library.Unload();
    for (const wchar_t* name : kLibraries) EXPECT_FALSE(IsLoaded(folder + name)) << testing::PrintToString(name);
    ASSERT_TRUE(library.Select(folder, 4));
  }
  for (const wchar_t* name : kLibraries) EXPECT_FALSE(IsLoaded(folder + name)) << "after destruction";
}

}  // namespace
