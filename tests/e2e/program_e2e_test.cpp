// The program and the monitor simulator as separate processes, driven with
// real input: apply with and without the monitor, closing without applying,
// and the single running instance.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "pixels.h"
#include "store/file_bytes.h"
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
  Program program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitForWindow());
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
  RedrawWindow(program.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureClient(program.Window(), width, height);
  CreateDirectoryW(ARTIFACT_DIR, nullptr);
  WritePng(ARTIFACT_DIR L"/main_window_button_selected.png", pixels, width, height);

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

}  // namespace
