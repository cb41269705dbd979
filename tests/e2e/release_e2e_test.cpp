// The release as a user meets it, in a new Wine prefix: the silent install,
// the installed program and its apply, the entry among the installed
// programs, an install refused while the program runs, an install over it
// that keeps the settings, the silent uninstall, and the portable zip
// unpacked elsewhere.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/file_bytes.h"
#include "tests/e2e/program.h"
#include "tests/e2e/simulator.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kProduct[] = L"VORNA Gaming Mouse option";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VornaOption";
constexpr wchar_t kApply[] = L"4";
// The installer's exit code when it stopped because the program runs.
constexpr DWORD kExitProgramRunning = 3;
constexpr DWORD kSetupTimeoutMs = 120000;

std::wstring KnownFolder(int csidl) {
  wchar_t path[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

// Runs a command line to its end; its exit code, or STILL_ACTIVE when it
// did not end in time.
DWORD RunToEnd(const std::wstring& commandLine) {
  const KernelHandle process = StartInJob(commandLine);
  if (!process) return GetLastError();
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.Get(), kSetupTimeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.Get(), &code);
  return code;
}

// A value of the entry among the installed programs; empty when there is none.
std::wstring UninstallText(const wchar_t* name) {
  wchar_t text[MAX_PATH * 2] = L"";
  DWORD bytes = sizeof text;
  RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text, &bytes);
  return text;
}

std::vector<std::uint8_t> Bytes(const std::wstring& path) {
  return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{});
}

TEST(ReleaseTest, InstallApplyReinstallUninstallAndThePortableZip) {
  const std::wstring installer = Quoted(WinePath(RELEASE_INSTALLER)) + L" /S";
  const std::wstring folder = KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\" + kProduct + L"\\";
  const std::wstring exe = folder + L"VornaOption.exe";
  const std::wstring shortcut = KnownFolder(CSIDL_PROGRAMS) + L"\\" + kProduct + L".lnk";
  const std::wstring macroFile = KnownFolder(CSIDL_APPDATA) + L"\\KESTRAVOX\\QX4812\\config\\sequence.dat";

  ASSERT_EQ(RunToEnd(installer), 0u);
  for (const wchar_t* file : {L"VornaOption.exe", L"Lang.dll", L"Lang\\Lang_Ge.dll", L"Skins\\skin_main.ini"})
    EXPECT_TRUE(fs::exists(folder + file)) << file;
  EXPECT_FALSE(fs::exists(folder + L"tools")) << "nothing a developer uses";
  EXPECT_TRUE(fs::exists(shortcut));
  EXPECT_EQ(UninstallText(L"DisplayName"), kProduct);
  EXPECT_EQ(UninstallText(L"DisplayVersion"), RELEASE_VERSION);
  EXPECT_EQ(UninstallText(L"Publisher"), L"KESTRAVOX");
  EXPECT_EQ(UninstallText(L"DisplayIcon"), exe + L",0");
  DWORD size = 0, bytes = sizeof size;
  RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr, &size, &bytes);
  EXPECT_GT(size, 0u);
  const std::wstring uninstaller = UninstallText(L"UninstallString");
  EXPECT_EQ(uninstaller, Quoted(folder + L"uninstall.exe"));

  {
    Program program(folder);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForWindow());
    program.ClickButton(kApply);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(folder + L"config\\Default4.gmp"); }));
    // The apply's last step (the macro file) may still run: wait for the thread.
    DWORD_PTR ignored;
    SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    EXPECT_TRUE(fs::exists(folder + L"config.ini"));
    EXPECT_TRUE(fs::exists(macroFile));
    EXPECT_EQ(RunToEnd(installer), kExitProgramRunning) << "files of a running program are not replaced";
  }
  const std::vector<std::uint8_t> settings = Bytes(folder + L"config.ini");
  const std::vector<std::uint8_t> profile = Bytes(folder + L"config\\Default0.gmp");
  ASSERT_FALSE(settings.empty());

  EXPECT_EQ(RunToEnd(installer), 0u) << "over the earlier installation, the program closed";
  EXPECT_EQ(Bytes(folder + L"config.ini"), settings);
  EXPECT_EQ(Bytes(folder + L"config\\Default0.gmp"), profile);

  // The uninstaller goes on in a copy of itself: wait for its last step.
  EXPECT_EQ(RunToEnd(uninstaller + L" /S"), 0u);
  EXPECT_TRUE(WaitUntil([&] { return UninstallText(L"DisplayName").empty(); },
                        std::chrono::milliseconds(kSetupTimeoutMs)));
  for (const wchar_t* file : {L"VornaOption.exe", L"Lang.dll", L"Lang", L"Skins", L"uninstall.exe"})
    EXPECT_FALSE(fs::exists(folder + file)) << file;
  EXPECT_FALSE(fs::exists(shortcut));
  EXPECT_EQ(Bytes(folder + L"config.ini"), settings) << "the settings stay unless the user asks";
  EXPECT_EQ(Bytes(folder + L"config\\Default0.gmp"), profile);
  EXPECT_TRUE(fs::exists(macroFile));

  Program portable(WinePath(PORTABLE_DIR) + L"\\");
  ASSERT_TRUE(portable.Start());
  EXPECT_TRUE(portable.WaitForWindow());
}

}  // namespace
