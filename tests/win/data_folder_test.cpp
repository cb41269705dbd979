#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <filesystem>

#include "macro/macro_buttons.h"
#include "model/text.h"
#include "store/data_folder.h"
#include "store/macro_file.h"

namespace {

std::wstring AppData() {
  wchar_t base[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, base);
  return base;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The prefix's own application data, as a first start finds it: whatever
// the maker's folder holds is moved aside for the test and brought back.
class FreshAppData : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(base.empty());
    if (std::filesystem::exists(maker)) std::filesystem::rename(maker, aside);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(maker, ignored);
    if (std::filesystem::exists(aside)) std::filesystem::rename(aside, maker);
  }

  const std::wstring base = AppData();
  const std::wstring maker = base + L"\\KESTRAVOX";
  const std::wstring aside = maker + L".aside-" + std::to_wstring(GetCurrentProcessId());
};

}  // namespace

TEST_F(FreshAppData, TheFolderChainIsMadeOnFirstUseAndHoldsTheMacroFile) {
  const std::wstring folder = base + L"\\KESTRAVOX\\QX4812\\config";
  ASSERT_FALSE(IsFolder(maker));

  EXPECT_EQ(GetDataFolder(), folder);
  EXPECT_TRUE(IsFolder(folder));
  EXPECT_EQ(GetDataFolder(), folder);
  EXPECT_EQ(MacroFilePath(), folder + L"\\sequence.dat");

  MacroList saved;
  saved.Append(NewMacro(u"Mine"));
  SaveMacros(saved);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder + L"\\sequence.dat"));
  MacroList loaded;
  LoadMacros(loaded);
  ASSERT_EQ(loaded.Count(), 1);
  EXPECT_EQ(TextOf(loaded.ElementAt(0)->name), u"Mine");
}
