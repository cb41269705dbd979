// A macro recorded from real keys in the running program, named, given a
// repeat count and applied: the monitor's block carries it, the macro file
// keeps it, and the next start shows it for its button.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "macro/macro_list.h"
#include "model/function_codes.h"
#include "model/settings_record.h"
#include "model/text.h"
#include "store/file_bytes.h"
#include "store/macro_file.h"
#include "tests/e2e/program.h"
#include "tests/e2e/simulator.h"
#include "tests/win/real_input.h"

namespace {

constexpr SkinPlace kButtonTabs{L"skin_set_button_tab.ini", {21, 379}};
constexpr SkinPlace kMacroPage{L"macro_manager.ini", {209, 372}};
constexpr wchar_t kApply[] = L"4";
constexpr wchar_t kClose[] = L"2";
constexpr wchar_t kButtonSix[] = L"7";
constexpr wchar_t kMacrosTab[] = L"7";
constexpr int kButton = 6;
constexpr int kMacroListId = 0x1000;
constexpr int kEventListId = 0x1001;

HWND ListBox(HWND window, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) {
        auto& s = *reinterpret_cast<Search*>(param);
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (GetDlgCtrlID(child) != s.id || lstrcmpiW(name, L"ListBox") != 0) return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result);
  return static_cast<LRESULT>(result);
}

std::wstring SelectedLine(HWND list) {
  wchar_t text[64] = {};
  const LRESULT line = Ask(list, LB_GETCURSEL);
  if (line >= 0 && Ask(list, LB_GETTEXTLEN, line) < 64) Ask(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
  return text;
}

class MacroProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveFiles(); }
  void TearDown() override { RemoveFiles(); }
  static void RemoveFiles() {
    Program::RemoveSettingsFiles();
    DeleteFileW(MacroFilePath().c_str());
  }

  // The macro page of mouse button 6, its lists found.
  void OpenMacroPage(Program& program, bool byTab) {
    program.ClickButton(kButtonSix, kLayoutPage);
    if (byTab) program.ClickButton(kMacrosTab, kButtonTabs);
    ASSERT_TRUE(WaitUntil([&] {
      macros = ListBox(program.Window(), kMacroListId);
      events = ListBox(program.Window(), kEventListId);
      return macros && IsWindowVisible(macros) && events;
    }));
  }

  PointerSettingsBackup pointerSettings;
  ScratchFolder scratch;
  HWND macros = nullptr;
  HWND events = nullptr;
};

TEST_F(MacroProgramTest, ARecordedMacroReachesTheMonitorTheMacroFileAndTheNextStart) {
  const std::wstring log = scratch.File(L"apply.jsonl"), block = scratch.File(L"block.bin");
  Simulator monitor(Simulator::Names::Standard);
  ASSERT_TRUE(monitor.Serve({L"--log", log, L"--save", block}));
  {
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForWindow());
    ASSERT_NO_FATAL_FAILURE(OpenMacroPage(program, true));

    program.ClickButton(L"1", kMacroPage);
    for (WORD key : std::initializer_list<WORD>{'M', 'I', 'X', VK_RETURN}) TapKey(key);
    ASSERT_TRUE(WaitUntil([&] { return SelectedLine(macros) == L"mix"; }));

    program.ClickButton(L"5", kMacroPage);
    // Recording: the list is locked and the capture on.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(macros); }));
    TapKey('A');
    TapKey('B');
    ASSERT_TRUE(WaitUntil([&] { return Ask(events, LB_GETCOUNT) == 4; }));
    // Elsewhere first: a second press on the same spot this soon is a double click.
    program.ClickButton(L"8", kMacroPage);
    program.ClickButton(L"5", kMacroPage);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(macros); }));

    program.ClickButton(L"4", kMacroPage);
    program.ClickButton(L"9", kMacroPage);
    for (WORD key : std::initializer_list<WORD>{VK_END, VK_BACK, '3'}) TapKey(key);
    program.ClickButton(kApply);
    ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
    const auto applied = std::make_unique<SettingsRecord>();
    const auto bytes = ReadWholeFile(block);
    ASSERT_TRUE(bytes && bytes->size() == sizeof(SettingsRecord));
    std::memcpy(applied.get(), bytes->data(), sizeof(SettingsRecord));
    const ButtonRecord& button = applied->Profiles[applied->CurrentProfile].MacroKeyInfo[kButton];
    EXPECT_EQ(button.FunctionCode, kFnMacro);
    EXPECT_EQ(TextOf(button.Name), u"mix");
    EXPECT_EQ(button.RepeatCount, 3);
    ASSERT_EQ(button.EntryCount, 4);
    const std::uint8_t expected[4][2] = {{0x04, 1}, {0x04, 2}, {0x05, 1}, {0x05, 2}};
    for (int i = 0; i < 4; ++i)
      EXPECT_TRUE(button.Entries[i][0] == expected[i][0] && button.Entries[i][1] == expected[i][1]) << i;

    program.ClickButton(kClose);
    ASSERT_TRUE(program.WaitForExit());
  }
  MacroList saved;
  LoadMacros(saved);
  ASSERT_EQ(saved.Count(), 1);
  EXPECT_EQ(TextOf(saved.ElementAt(0)->name), u"mix");
  EXPECT_EQ(saved.ElementAt(0)->count, 4);

  Program again;
  ASSERT_TRUE(again.Start());
  ASSERT_TRUE(again.WaitForWindow());
  ASSERT_NO_FATAL_FAILURE(OpenMacroPage(again, false));
  EXPECT_TRUE(WaitUntil([&] { return SelectedLine(macros) == L"mix" && Ask(events, LB_GETCOUNT) == 4; }));
}

}  // namespace
