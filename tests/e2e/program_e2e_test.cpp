// The program and the monitor simulator as separate processes, driven with
// real input: apply with and without the monitor, closing without applying,
// and the single running instance.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "model/settings_record.h"
#include "model/factory.h"
#include "model/function_lists.h"
#include "model/text.h"
#include "pixels.h"
#include "real_input.h"
#include "skin/palette.h"
#include "store/file_bytes.h"
#include "store/private_profile.h"
#include "tests/e2e/program.h"
#include "tests/e2e/simulator.h"

namespace {

namespace fs = std::filesystem;

// Layout keys of the frame buttons used here.
constexpr wchar_t kClose[] = L"2";
constexpr wchar_t kApply[] = L"4";
constexpr wchar_t kNextProfile[] = L"8";
constexpr wchar_t kFirstColour[] = L"27";
constexpr wchar_t kRename[] = L"10";
constexpr wchar_t kImport[] = L"11";
constexpr wchar_t kExport[] = L"12";
// The file name box of the system's file dialogs (combo box, or plain edit).
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
constexpr int kProfileNameEdit = 1003;
// How long the simulator waits before it answers an apply.
constexpr int kAnswerDelayMs = 1500;

// The whole text of a settings file (UTF-16 with its mark) as UTF-8-free
// wide text.
std::wstring FileText(const std::wstring& path) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path).value_or(std::vector<std::uint8_t>{});
  std::wstring text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) text += static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
  return text;
}

template <class Text>
bool Contains(const Text& text, const Text& part) {
  return text.find(part) != Text::npos;
}
bool Contains(const std::string& text, const char* part) { return Contains(text, std::string(part)); }
bool Contains(const std::wstring& text, const wchar_t* part) { return Contains(text, std::wstring(part)); }

// The program's window as the user sees it now, as a picture in the artifacts.
void SaveShot(const Program& program, const wchar_t* name) {
  RedrawWindow(program.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureClient(program.Window(), width, height);
  CreateDirectoryW(ARTIFACT_DIR, nullptr);
  WritePng(std::wstring(ARTIFACT_DIR L"/") + name, pixels, width, height);
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { Program::RemoveSettingsFiles(); }
  void TearDown() override { Program::RemoveSettingsFiles(); }

  bool SettingsFilesExist() const {
    return fs::exists(Program::Folder() + L"config.ini") || fs::exists(Program::Folder() + L"config");
  }

  // The monitor simulator (logging to `log`, with `args`), then the program
  // with its window shown.
  void StartWithMonitor(Simulator& monitor, Program& program, std::vector<std::wstring> args) {
    args.insert(args.begin(), {L"--log", log});
    ASSERT_TRUE(monitor.Serve(args));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForWindow());
  }

  PointerSettingsBackup pointerSettings;
  ScratchFolder scratch;
  const std::wstring log = scratch.File(L"apply.jsonl");
};

TEST_F(ProgramTest, NextProfileThenApplyReachesTheMonitorAndWaitsForItsAnswer) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {L"--done-delay", std::to_wstring(kAnswerDelayMs)}));

  program.ClickButton(kNextProfile);
  program.ClickButton(kApply);
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  // Busy from the apply until the monitor answers (the cursor shapes are
  // checked in process: another process's cursor handles differ).
  EXPECT_TRUE(program.HasCapture());
  const std::string line = LogLines(log).front();
  EXPECT_TRUE(Contains(line, "{\"wParam\":0,")) << line;
  EXPECT_TRUE(Contains(line, "\"CurrentProfileChanged\":1")) << line;
  EXPECT_TRUE(WaitUntil([&] { return !program.HasCapture(); }, std::chrono::milliseconds(kAnswerDelayMs * 4)));
  // Standalone writes happen too: the files follow the apply.
  EXPECT_TRUE(fs::exists(Program::Folder() + L"config.ini"));
}

TEST_F(ProgramTest, WithoutMonitorApplyWritesTheFilesAndIsDoneAtOnce) {
  // New files of saves a crash cut short go at the start, once the window
  // is live; no one else's.
  fs::create_directory(Program::Folder() + L"config");
  const struct { const wchar_t* name; bool ours; } files[] = {
      {L"vgm1A.tmp", true}, {L"config\\VGMFFFF.TMP", true}, {L"vgm12345.tmp", false}, {L"vgmx.tmp", false},
      {L"vgm.tmp", false},  {L"notes.tmp", false}};
  for (const auto& file : files) std::ofstream(fs::path(Program::Folder() + file.name)) << "x";
  Program program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitForWindow());
  for (const auto& file : files) {
    const std::wstring path = Program::Folder() + file.name;
    EXPECT_TRUE(WaitUntil([&] { return fs::exists(path) != file.ours; })) << fs::path(file.name).string();
    fs::remove(path);
  }
  SaveShot(program, L"start_page.png");
  program.ClickButton(kFirstColour);
  program.ClickButton(kApply);
  ASSERT_TRUE(WaitUntil([&] { return fs::exists(Program::Folder() + L"config\\Default4.gmp"); }));
  // The apply's last step (the macro file) may still run: wait for the thread.
  DWORD_PTR ignored;
  SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  EXPECT_FALSE(program.HasCapture());
  EXPECT_TRUE(fs::exists(Program::Folder() + L"config.ini"));
  for (int p = 0; p < 5; ++p)
    EXPECT_TRUE(fs::exists(Program::Folder() + L"config\\Default" + std::to_wstring(p) + L".gmp")) << p;
}

TEST_F(ProgramTest, CloseAfterEditsLeavesFilesAndMonitorUntouched) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {}));
  program.ClickButton(kNextProfile);
  program.ClickButton(kFirstColour);
  program.ClickButton(kClose);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_FALSE(SettingsFilesExist());
  EXPECT_TRUE(LogLines(log).empty());
  EXPECT_FALSE(fs::exists(log));
}

TEST_F(ProgramTest, ASecondStartEndsAtOnceAndLeavesOneWindow) {
  Program first;
  ASSERT_TRUE(first.Start());
  ASSERT_TRUE(first.WaitForWindow());
  Program second;
  ASSERT_TRUE(second.Start());
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(second.ExitCode(), 0u);
  int windows = 0;
  EnumWindows(
      [](HWND window, LPARAM count) {
        wchar_t title[64];
        if (GetWindowTextW(window, title, 64) && std::wstring(title) == L"VORNA Gaming Mouse option")
          ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(windows, 1);
  // Once the first has ended, a new start runs.
  first.ClickButton(kClose);
  ASSERT_TRUE(first.WaitForExit());
  Program third;
  ASSERT_TRUE(third.Start());
  EXPECT_TRUE(third.WaitForWindow());
}

// The program's own message box, answered with OK.
void DismissMessageBox(Program& program) {
  const HWND box = program.WaitForDialog();
  ASSERT_TRUE(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

TEST_F(ProgramTest, WithoutItsSkinTheProgramSaysSoAndEnds) {
  const std::wstring skins = Program::Folder() + L"Skins";
  ASSERT_TRUE(MoveFileW(skins.c_str(), (skins + L".away").c_str()));
  {
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_NO_FATAL_FAILURE(DismissMessageBox(program));
    EXPECT_TRUE(program.WaitForExit());
  }
  ASSERT_TRUE(MoveFileW((skins + L".away").c_str(), skins.c_str()));
  Program again;
  ASSERT_TRUE(again.Start());
  EXPECT_TRUE(again.WaitForWindow());
}

TEST_F(ProgramTest, AMonitorThatNeverAnswersKeepsTheProgramBusyOnlyUntilTheTimeOut) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {L"--no-done"}));
  program.ClickButton(kApply);
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  EXPECT_TRUE(program.HasCapture());
  // The user is told, and the window works again.
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(program));
  EXPECT_FALSE(program.HasCapture());
  program.ClickButton(kClose);
  EXPECT_TRUE(program.WaitForExit());
}

TEST_F(ProgramTest, ABlockThatCannotBeWrittenIsNotAppliedButTheFilesAreSaved) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {L"--no-mutex"}));
  program.ClickButton(kApply);
  ASSERT_TRUE(WaitUntil([&] { return fs::exists(Program::Folder() + L"config\\Default4.gmp"); }));
  EXPECT_TRUE(WaitUntil([&] { return !program.HasCapture(); }));
  EXPECT_TRUE(LogLines(log).empty());
}

// The text of a string of the program's language library.
std::wstring LibraryText(int id) {
  const HMODULE library =
      LoadLibraryExW((Program::Folder() + L"Lang.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t text[260] = {};
  LoadStringW(library, static_cast<UINT>(id), text, 260);
  FreeLibrary(library);
  return text;
}

std::wstring ControlText(HWND control) {
  wchar_t text[260] = {};
  SendMessageW(control, WM_GETTEXT, 260, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST_F(ProgramTest, AButtonChosenOnTheMouseShowsItsFactoryFunctionAndRestoreAllReachesTheMonitor) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {}));

  // Button 6 has no function of its own from the factory.
  program.ClickButton(L"7", kLayoutPage);
  HWND caption = nullptr, function = nullptr;
  // The function is shown after the caption: once it is, so is the caption.
  ASSERT_TRUE(WaitUntil([&] {
    function = program.ControlAt(L"21", kLayoutPage);
    caption = program.ControlAt(L"20", kLayoutPage);
    return caption && function && ControlText(function) == LibraryText(1209);
  }));
  EXPECT_EQ(ControlText(caption), LibraryText(1601));
  // The window as the user sees it now: the button selected, the 8-tab strip.
  SaveShot(program, L"main_window_button_selected.png");

  // From outside, as the settings page will ask for it.
  PostMessageW(program.Window(), 11026, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  const std::string line = LogLines(log).front();
  std::string allSet;
  for (int flag = 0; flag < 75; ++flag) allSet += flag ? ",1" : "1";
  EXPECT_TRUE(Contains(line, "{\"wParam\":1,")) << line;
  EXPECT_TRUE(Contains(line, ("\"ButtonChangedFlags\":[" + allSet + "]").c_str())) << line;
  EXPECT_TRUE(Contains(line, "\"ProfileChangedFlags\":[1,1,1,1,1]")) << line;
  EXPECT_TRUE(Contains(line, "\"OTGSpeedChangedFlags\":[1,1,1,1,1]")) << line;
  EXPECT_TRUE(Contains(line, "\"CurrentProfileChanged\":1")) << line;
}

TEST_F(ProgramTest, ALevelDraggedAndAReportRatePickedReachTheMonitorAndTheProfileFile) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  const std::wstring block = scratch.File(L"block.bin");
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {L"--save", block}));

  program.ClickButton(L"2", kFourTabStrip);
  // The first level row, once the page has taken the start page's place.
  HWND row = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return GetDlgCtrlID(row = program.ControlAt(L"5", kSensitivityPage)) == 500; }));
  // Level 1 from the factory's position 3 by 100 pixels: position 10.
  const HWND thumb = GetWindow(GetDlgItem(row, 300), GW_CHILD);
  ASSERT_TRUE(thumb);
  ASSERT_TRUE(program.Drag(thumb, 100, 4));
  program.ClickButton(L"10", kSensitivityPage);
  SaveShot(program, L"main_window_sensitivity_page.png");

  program.ClickButton(kApply);
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  const std::string line = LogLines(log).front();
  EXPECT_TRUE(Contains(line, "\"ProfileChangedFlags\":[1,0,0,0,0]")) << line;
  const std::vector<std::uint8_t> bytes = ReadWholeFile(block).value_or(std::vector<std::uint8_t>{});
  ASSERT_EQ(bytes.size(), sizeof(SettingsRecord));
  const auto received = std::make_unique<SettingsRecord>();
  std::memcpy(received.get(), bytes.data(), bytes.size());
  EXPECT_EQ(received->Profiles[0].CpiLevel_X[0], 10);
  EXPECT_EQ(received->Profiles[0].PollingRate, 0);
  const std::wstring profileFile = Program::Folder() + L"config\\Default0.gmp";
  EXPECT_TRUE(WaitUntil([&] {
    const std::wstring text = FileText(profileFile);
    return Contains(text, L"CpiLevel_X0=10") && Contains(text, L"PollingRate=0");
  }));
}

// The function pages in the main window's function page area.
constexpr POINT kFunctionArea{209, 372};
constexpr SkinPlace kButtonTabs{L"skin_set_button_tab.ini", {21, 379}};
constexpr SkinPlace kShortcutPage{L"KeyCom.ini", kFunctionArea};
constexpr wchar_t kKeyCombinationTab[] = L"6";
constexpr wchar_t kKeyShown[] = L"6";
constexpr wchar_t kCaptureToggle[] = L"7";
constexpr wchar_t kCtrlToggle[] = L"2";
// Inside the capture toggle's face, and the Ctrl box's fill away from its tick.
constexpr POINT kCaptureFace{kFunctionArea.x + 15 + 4, kFunctionArea.y + 144 + 4};
constexpr POINT kCtrlFill{kFunctionArea.x + 83 + 12, kFunctionArea.y + 60 + 12};
// Lists of the two list pages: top left corner and identifier.
struct PageList {
  POINT corner;
  int id;
};
constexpr PageList kWheelFunctions{{11, 169}, 2011};
constexpr PageList kWindowsFunctions{{11, 27}, 2001};
constexpr PageList kEditingFunctions{{11, 169}, 2002};
constexpr int kLineHeight = 18;
constexpr int kLimitWindowId = 200;

// The window of a list, inside its scroll frame, once its page is shown.
HWND ListWindow(const Program& program, PageList list) {
  const POINT inside{kFunctionArea.x + list.corner.x + 40, kFunctionArea.y + list.corner.y + 5};
  HWND box = nullptr;
  WaitUntil([&] {
    const HWND frame = program.ControlAt(inside);
    box = GetWindow(GetDlgItem(frame, kLimitWindowId), GW_CHILD);
    return box && GetDlgCtrlID(box) == list.id;
  });
  return box;
}

// The middle of line `line` of a list, scrolled as it is now.
POINT ListLine(const Program& program, PageList list, int line) {
  const int top = static_cast<int>(SendMessageW(ListWindow(program, list), LB_GETTOPINDEX, 0, 0));
  return {kFunctionArea.x + list.corner.x + 40,
          kFunctionArea.y + list.corner.y + 1 + (line - top) * kLineHeight + kLineHeight / 2};
}

// Whether a point of the main window shows the accent red of a checked
// control (a checked toggle's face, a check box's fill).
bool ShowsChecked(const Program& program, POINT at) {
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureClient(program.Window(), width, height);
  const COLORREF pixel = pixels[static_cast<std::size_t>(at.y * width + at.x)];
  return GetRValue(pixel) > GetGValue(pixel) + 60;
}

// Whether the left edge of `control` shows the skin's focus mark.
bool ShowsFocusMark(const Program& program, HWND control) {
  RECT box;
  if (!GetWindowRect(control, &box)) return false;
  POINT edge{box.left, (box.top + box.bottom) / 2};
  ScreenToClient(program.Window(), &edge);
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureClient(program.Window(), width, height);
  return pixels[static_cast<std::size_t>(edge.y * width + edge.x)] == kSkinAccent;
}

int MarkedLine(const Program& program, PageList list) {
  return static_cast<int>(SendMessageW(ListWindow(program, list), LB_GETCURSEL, 0, 0));
}

// Types `path` into the program chooser and ends it with `key`.
void AnswerChooser(Program& program, const std::wstring& path, WORD key) {
  const HWND chooser = program.WaitForDialog();
  ASSERT_TRUE(chooser);
  const HWND edit = GetDlgItem(chooser, 1000);
  SetWindowTextW(edit, path.c_str());
  SetForegroundWindow(chooser);
  SetFocus(edit);
  Program::PressKey(key);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }));
}

TEST_F(ProgramTest, EachKindOfFunctionReachesTheMonitorAndTheProfileFileAndShowsAgainAfterARestart) {
  const std::wstring block = scratch.File(L"block.bin");
  const std::wstring path = L"C:\\Games\\run.exe";
  auto monitor = std::make_unique<Simulator>(Simulator::Names::Standard);
  auto program = std::make_unique<Program>();
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(*monitor, *program, {L"--save", block}));

  // Button 5 opens on the mouse function page: scroll up.
  program->ClickButton(L"6", kLayoutPage);
  program->ClickAt(ListLine(*program, kWheelFunctions, 0));
  // Button 6 (no function) opens on the key function page: copy.
  program->ClickButton(L"7", kLayoutPage);
  program->ClickAt(ListLine(*program, kEditingFunctions, 1));
  // Button 8: F5 caught with Shift held (which is not kept), then Ctrl.
  program->ClickButton(L"9", kLayoutPage);
  program->ClickButton(kKeyCombinationTab, kButtonTabs);
  program->ClickButton(kCaptureToggle, kShortcutPage);
  // Keys sent before the capture is on would reach the page instead.
  ASSERT_TRUE(WaitUntil([&] { return ShowsChecked(*program, kCaptureFace); }));
  TapKeysHeld(VK_SHIFT, VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return ControlText(program->ControlAt(kKeyShown, kShortcutPage)) == L"F5"; }));
  program->ClickButton(kCaptureToggle, kShortcutPage);
  program->ClickButton(kCtrlToggle, kShortcutPage);
  // Button 9: program launch. A path too long to keep is refused, and the
  // chooser comes again for a shorter one.
  program->ClickButton(L"10", kLayoutPage);
  program->ClickAt(ListLine(*program, kWindowsFunctions, 5));
  ASSERT_NO_FATAL_FAILURE(AnswerChooser(*program, std::wstring(300, L'x'), VK_RETURN));
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(*program));
  ASSERT_NO_FATAL_FAILURE(AnswerChooser(*program, path, VK_RETURN));
  program->ClickButton(kApply);

  auto expected = std::make_unique<SettingsRecord>();
  FactorySettings(*expected);
  ButtonRecord* buttons = expected->Profiles[0].MacroKeyInfo;
  buttons[5].FunctionCode = 9;
  buttons[6].FunctionCode = 49;
  buttons[8].FunctionCode = 5;
  buttons[8].EntryCount = 1;
  buttons[8].Entries[0][0] = 0x3E;
  buttons[8].Entries[0][1] = kModCtrl;
  buttons[9].FunctionCode = 17;
  SetText(buttons[9].ProgramPath, std::u16string(path.begin(), path.end()));
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  const std::string line = LogLines(log).front();
  EXPECT_TRUE(Contains(line, "\"ButtonChangedFlags\":[0,0,0,0,0,1,1,0,1,1,0,0,0,0,0,"
                             "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                             "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]")) << line;
  const std::vector<std::uint8_t> received = ReadWholeFile(block).value_or(std::vector<std::uint8_t>{});
  ASSERT_EQ(received.size(), sizeof(SettingsRecord));
  // Profile 0's buttons in the block as received.
  const std::uint8_t* receivedButtons =
      received.data() + offsetof(SettingsRecord, Profiles) + offsetof(ProfileRecord, MacroKeyInfo);
  const std::wstring profileFile = Program::Folder() + L"config\\Default0.gmp";
  for (int b = 0; b < kButtonCount; ++b) {
    EXPECT_EQ(std::memcmp(receivedButtons + b * sizeof(ButtonRecord), &buttons[b], sizeof(ButtonRecord)), 0)
        << "block, button " << b;
    ButtonRecord stored{};
    const std::wstring key = L"MacroKeyInfo" + std::to_wstring(b);
    EXPECT_TRUE(WaitUntil([&] { return ReadStruct(profileFile, L"Setting", key.c_str(), stored); }));
    EXPECT_EQ(std::memcmp(&stored, &buttons[b], sizeof(ButtonRecord)), 0) << "profile file, button " << b;
  }

  // Started again from the files alone, each page shows its button's choice.
  program->ClickButton(kClose);
  ASSERT_TRUE(program->WaitForExit());
  monitor.reset();
  program = std::make_unique<Program>();
  ASSERT_TRUE(program->Start());
  ASSERT_TRUE(program->WaitForWindow());
  program->ClickButton(L"6", kLayoutPage);
  EXPECT_TRUE(WaitUntil([&] { return MarkedLine(*program, kWheelFunctions) == 0; }));
  SaveShot(*program, L"mouse_function_page.png");
  program->ClickButton(L"7", kLayoutPage);
  EXPECT_TRUE(WaitUntil([&] { return MarkedLine(*program, kEditingFunctions) == 1; }));
  program->ClickButton(L"10", kLayoutPage);
  EXPECT_TRUE(WaitUntil([&] { return MarkedLine(*program, kWindowsFunctions) == 5; }));
  SaveShot(*program, L"key_function_page.png");
  program->ClickButton(L"9", kLayoutPage);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(program->ControlAt(kKeyShown, kShortcutPage)) == L"F5"; }));
  SaveShot(*program, L"shortcut_page.png");
  EXPECT_TRUE(ShowsChecked(*program, kCtrlFill));
}

TEST_F(ProgramTest, WithTheKeyboardAloneAButtonGetsAFunctionThatReachesTheMonitor) {
  const std::wstring block = scratch.File(L"block.bin");
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {L"--save", block}));
  // Away from the window: no control lights up under the pointer.
  SetCursorPos(0, 0);

  // Button 5's hot spot, then its home page, the mouse functions. The mark
  // shows from the first Tab on, not before.
  const HWND hotSpot = program.ControlAt(L"6", kLayoutPage);
  EXPECT_FALSE(ShowsFocusMark(program, program.ControlAt(kNextProfile, kFrame)));
  ASSERT_TRUE(program.TabTo(hotSpot));
  EXPECT_TRUE(WaitUntil([&] { return ShowsFocusMark(program, hotSpot); }));
  program.Type(VK_SPACE);
  HWND list = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (list = ListWindow(program, kWheelFunctions)) != nullptr; }));
  ASSERT_TRUE(program.TabTo(list));
  SaveShot(program, L"keyboard_focus.png");
  // The arrows move the mark to "Scroll down"; Enter assigns it.
  program.Type(VK_HOME);
  program.Type(VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return MarkedLine(program, kWheelFunctions) == 1; }));
  program.Type(VK_RETURN);
  ASSERT_TRUE(program.TabTo(program.ControlAt(kApply, kFrame)));
  program.Type(VK_SPACE);

  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  const std::string line = LogLines(log).front();
  EXPECT_TRUE(Contains(line, "\"ButtonChangedFlags\":[0,0,0,0,0,1,0,")) << line;
  const std::vector<std::uint8_t> received = ReadWholeFile(block).value_or(std::vector<std::uint8_t>{});
  ASSERT_EQ(received.size(), sizeof(SettingsRecord));
  ButtonRecord button5{};
  std::memcpy(&button5, received.data() + offsetof(SettingsRecord, Profiles) + offsetof(ProfileRecord, MacroKeyInfo) +
                            5 * sizeof(ButtonRecord), sizeof(ButtonRecord));
  EXPECT_EQ(button5.FunctionCode, kMouseFunctionGroups[1].lines[1].code);
  // Alt+F4 ends the program as its close button does.
  TapKeysHeld(VK_MENU, VK_F4);
  EXPECT_TRUE(program.WaitForExit());
}

class ProfileFilesTest : public ProgramTest {
 protected:
  void Rename(Program& program, const std::wstring& name) {
    program.ClickButton(kRename);
    HWND dialog = program.WaitForDialog();
    ASSERT_TRUE(dialog);
    SetDlgItemTextW(dialog, kProfileNameEdit, name.c_str());
    SetForegroundWindow(dialog);
    SetFocus(GetDlgItem(dialog, kProfileNameEdit));
    Program::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  }

  // Clicks `button`, gives its file dialog `path` and confirms.
  void ChooseFile(Program& program, const wchar_t* button, const std::wstring& path) {
    program.ClickButton(button);
    HWND dialog = program.WaitForDialog();
    ASSERT_TRUE(dialog);
    HWND box = GetDlgItem(dialog, kFileNameCombo);
    if (!box) box = GetDlgItem(dialog, kFileNameEdit);
    ASSERT_TRUE(box);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  }
};

TEST_F(ProfileFilesTest, ExportThenImportRoundTripsAProfile) {
  Program program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitForWindow());
  const std::wstring exported = scratch.File(L"round trip.gmp");
  ASSERT_NO_FATAL_FAILURE(Rename(program, L"Exported 100%"));
  ASSERT_NO_FATAL_FAILURE(ChooseFile(program, kExport, exported));
  // The side copy is the export's last write.
  const std::wstring sideCopy = Program::Folder() + L"config\\Default0.gkp";
  ASSERT_TRUE(WaitUntil([&] { return Contains(FileText(sideCopy), L"ProFileName=Exported 100%"); }));
  EXPECT_TRUE(Contains(FileText(exported), L"ProFileName=Exported 100%"));

  ASSERT_NO_FATAL_FAILURE(Rename(program, L"Changed"));
  ASSERT_NO_FATAL_FAILURE(ChooseFile(program, kImport, exported));
  program.ClickButton(kApply);
  const std::wstring profileFile = Program::Folder() + L"config\\Default0.gmp";
  ASSERT_TRUE(WaitUntil([&] { return Contains(FileText(profileFile), L"ProFileName=Exported 100%"); }));
  EXPECT_TRUE(Contains(FileText(Program::Folder() + L"config.ini"), L"FileName=round trip"));
}

// A value of the current user's pointer settings as Windows keeps it.
std::wstring MouseSetting(const wchar_t* name) {
  wchar_t text[80] = {};
  DWORD bytes = sizeof text;
  RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Mouse", name, RRF_RT_REG_SZ, nullptr, text, &bytes);
  return text;
}

TEST_F(ProgramTest, PointerSettingsReachWindowsOnApplyAndTheSettingsPageRestoresTheFactoryProfiles) {
  Simulator monitor(Simulator::Names::Standard);
  Program program;
  ASSERT_NO_FATAL_FAILURE(StartWithMonitor(monitor, program, {}));

  // The middle of each track: pointer speed position 5, 350 on the
  // double-click slider, both away from the thumbs the factory values show.
  program.ClickButton(L"3", kFourTabStrip);
  // A page's own control there, not the page before it.
  const auto shows = [&](const wchar_t* key, const SkinPlace& page) {
    return WaitUntil([&] {
      const HWND control = program.ControlAt(key, page);
      return control && GetParent(GetParent(control)) == program.Window();
    });
  };
  ASSERT_TRUE(shows(L"6", kPointerPage));
  program.ClickButton(L"6", kPointerPage);
  program.ClickButton(L"5", kPointerPage);
  SaveShot(program, L"pointer_page.png");
  program.ClickButton(kApply);
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  const std::string applied = LogLines(log).front();
  EXPECT_TRUE(Contains(applied, "{\"wParam\":0,")) << applied;
  // Windows' own settings are no device settings.
  EXPECT_TRUE(Contains(applied, "\"ProfileChangedFlags\":[0,0,0,0,0]")) << applied;
  ASSERT_TRUE(WaitUntil([&] { return MouseSetting(L"MouseSensitivity") == L"12"; }));
  EXPECT_EQ(MouseSetting(L"DoubleClickSpeed"), L"550");

  program.ClickButton(L"21");
  ASSERT_TRUE(shows(L"2", kSettingsPage));
  SaveShot(program, L"settings_page.png");
  program.ClickButton(L"2", kSettingsPage);
  const HWND restore = program.WaitForDialog();
  ASSERT_TRUE(restore);
  SetForegroundWindow(restore);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == restore; }));
  Program::PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return LogLines(log).size() == 2; }));
  const std::string restored = LogLines(log).back();
  EXPECT_TRUE(Contains(restored, "{\"wParam\":1,")) << restored;
  EXPECT_TRUE(Contains(restored, "\"ProfileChangedFlags\":[1,1,1,1,1]")) << restored;
  const std::wstring profileFile = Program::Folder() + L"config\\Default0.gmp";
  ASSERT_TRUE(WaitUntil([&] { return Contains(FileText(profileFile), L"MouseSpeed=10\r\n"); }));
  EXPECT_TRUE(Contains(FileText(profileFile), L"DbleClickSpeed=500\r\n"));
  EXPECT_EQ(MouseSetting(L"MouseSensitivity"), L"10");
}

}  // namespace
