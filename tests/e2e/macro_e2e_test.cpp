// A macro recorded from real keys in the running program, named, given a
// repeat count and applied: the monitor's block carries it, the macro file
// keeps it, and the next start shows it for its button.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <memory>

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
constexpr int kButton = 6;

// The list box framed at layout key `key`: frame, its limit window, the list.
HWND ListAt(const Program& program, const wchar_t* key) {
  const HWND limit = FindWindowExW(program.ControlAt(key, kMacroPage), nullptr, nullptr, L"LIMIT");
  return FindWindowExW(limit, nullptr, L"ListBox", nullptr);
}

std::wstring SelectedLine(HWND list) {
  wchar_t text[64] = {};
  const LRESULT line = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (line >= 0 && SendMessageW(list, LB_GETTEXTLEN, line, 0) < 64)
    SendMessageW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(MacroProgramTest, ARecordedMacroReachesTheMonitorTheMacroFileAndTheNextStart) {
  Program::RemoveSettingsFiles();
  DeleteFileW(MacroFilePath().c_str());
  PointerSettingsBackup pointerSettings;
  ScratchFolder scratch;
  const std::wstring log = scratch.File(L"apply.jsonl"), block = scratch.File(L"block.bin");
  Simulator monitor(Simulator::Names::Standard);
  ASSERT_TRUE(monitor.Serve({L"--log", log, L"--save", block}));
  HWND macros = nullptr, events = nullptr;
  // Mouse button 6, then (the first time) the macros' tab.
  auto openMacroPage = [&](Program& program, bool byTab) {
    program.ClickButton(L"7", kLayoutPage);
    if (byTab) program.ClickButton(L"7", kButtonTabs);
    return WaitUntil([&] {
      macros = ListAt(program, L"7");
      events = ListAt(program, L"8");
      return macros && IsWindowVisible(macros) && events;
    });
  };
  {
    Program program;
    ASSERT_TRUE(program.Start() && program.WaitForWindow());
    ASSERT_TRUE(openMacroPage(program, true));
    program.ClickButton(L"1", kMacroPage);
    // A blank in a name is typed like any other character.
    for (WORD key : std::initializer_list<WORD>{'M', 'I', VK_SPACE, 'X', VK_RETURN}) TapKey(key);
    ASSERT_TRUE(WaitUntil([&] { return SelectedLine(macros) == L"mi x"; }));

    program.ClickButton(L"5", kMacroPage);
    // Recording: the list is locked and the capture on.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(macros); }));
    for (WORD key : {'A', 'B'}) TapKey(key);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(events, LB_GETCOUNT, 0, 0) == 4; }));
    // Elsewhere first: a second press on the same spot this soon is a double click.
    program.ClickButton(L"8", kMacroPage);
    program.ClickButton(L"5", kMacroPage);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(macros); }));

    program.ClickButton(L"4", kMacroPage);
    program.ClickButton(L"9", kMacroPage);
    for (WORD key : std::initializer_list<WORD>{VK_END, VK_BACK, '3'}) TapKey(key);
    program.ClickButton(L"4");  // Apply
    ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
    const auto applied = std::make_unique<SettingsRecord>();
    const auto bytes = ReadWholeFile(block);
    ASSERT_TRUE(bytes && bytes->size() == sizeof(SettingsRecord));
    std::memcpy(applied.get(), bytes->data(), sizeof(SettingsRecord));
    const ButtonRecord& button = applied->Profiles[applied->CurrentProfile].MacroKeyInfo[kButton];
    EXPECT_EQ(button.FunctionCode, kFnMacro);
    EXPECT_EQ(TextOf(button.Name), u"mi x");
    EXPECT_EQ(button.RepeatCount, 3);
    ASSERT_EQ(button.EntryCount, 4);
    const std::uint8_t pressesAndReleases[] = {0x04, 1, 0, 0, 0x04, 2, 0, 0, 0x05, 1, 0, 0, 0x05, 2, 0, 0};
    EXPECT_EQ(std::memcmp(button.Entries, pressesAndReleases, sizeof pressesAndReleases), 0);

    program.ClickButton(L"2");  // Close
    ASSERT_TRUE(program.WaitForExit());
  }
  MacroList saved;
  LoadMacros(saved);
  ASSERT_EQ(saved.Count(), 1);
  EXPECT_EQ(TextOf(saved.ElementAt(0)->name), u"mi x");
  EXPECT_EQ(saved.ElementAt(0)->count, 4);

  Program again;
  ASSERT_TRUE(again.Start() && again.WaitForWindow());
  ASSERT_TRUE(openMacroPage(again, false));
  EXPECT_TRUE(
      WaitUntil([&] { return SelectedLine(macros) == L"mi x" && SendMessageW(events, LB_GETCOUNT, 0, 0) == 4; }));
  again.ClickButton(L"2");
  ASSERT_TRUE(again.WaitForExit());
  Program::RemoveSettingsFiles();
  DeleteFileW(MacroFilePath().c_str());
}

}  // namespace
