#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/wide.h"
#include "model/factory.h"
#include "model/profile_keys.h"
#include "model/settings.h"
#include "model/text.h"
#include "reference_profile_io.h"
#include "registry_sandbox.h"
#include "store/file_bytes.h"
#include "store/private_profile.h"
#include "store/profile_store.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::wstring& path) { return ReadWholeFile(path).value_or(std::vector<std::uint8_t>()); }

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  WriteWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// A profile in which the stored fields carry values of their own.
void FillProfile(ProfileRecord& p, int k) {
  FactoryProfile(p, k);
  SetText(p.ProFileName, k == 1 ? u"Sniper \u00e9\u4e2d\u0416" : u"Profile two");
  SetText(p.GameFile, u"C:\\Games\\shooter.exe");
  p.Sensitivity_X = 14 + k;
  p.CpiLevel_Y[4] = -7 - k;
  p.LiftLevel = 3;
  p.dpiIndicator[2] = static_cast<std::uint8_t>(200 + k);
  p.ColorChangeModeOptions2 = 9;
  p.Acceleration = 8;
  p.AccelerationFlag = 1;
  for (int b = 0; b < kButtonCount; ++b) {
    ButtonRecord& r = p.MacroKeyInfo[b];
    r.FunctionCode = 16;
    SetText(r.Name, u"macro");
    r.EntryCount = static_cast<std::uint16_t>(b + k);
    for (int e = 0; e < 160; ++e) r.Entries[e / 4][e % 4] = static_cast<std::uint8_t>(e * (b + 1));
    SetText(r.ProgramPath, u"D:\\bin\\tool.exe");
  }
}

class ProfileStore : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(registry);
    RemoveFiles();
  }
  void TearDown() override { RemoveFiles(); }

  static void RemoveFiles() {
    for (int k = 0; k < kProfileCount; ++k) {
      DeleteFileW(ProfileFilePath(k).c_str());
      DeleteFileW(ExportSideCopyPath(k).c_str());
    }
    DeleteFileW(ConfigIniPath().c_str());
    for (const wchar_t* name : {L"export.gmp", L"export.gmp.new", L"a.ini", L"b.ini", L"broken.gmp"})
      DeleteFileW((ExeFolder() + name).c_str());
    RemoveDirectoryW((ExeFolder() + L"config").c_str());
  }

  std::unique_ptr<SettingsRecord> Distinct() {
    auto s = std::make_unique<SettingsRecord>();
    InitializeSettings(*s);
    s->CurrentProfile = 1;
    s->MouseType = 3;
    s->MouseColor = -2;
    for (int k = 0; k < kProfileCount; ++k) FillProfile(s->Profiles[k], k);
    return s;
  }

  RegistrySandbox registry;
};

}  // namespace

TEST_F(ProfileStore, SaveThenLoadRestoresEveryStoredField) {
  auto saved = Distinct();
  SaveAll(*saved);
  auto loaded = std::make_unique<SettingsRecord>();
  InitializeSettings(*loaded);
  LoadAll(*loaded);

  EXPECT_EQ(loaded->CurrentProfile, 1);
  EXPECT_EQ(loaded->MouseType, 3);
  EXPECT_EQ(loaded->MouseColor, -2);
  for (int k = 0; k < kProfileCount; ++k) {
    ProfileRecord expected = saved->Profiles[k];
    expected.Padding1 = 0;
    std::memset(expected.Padding2, 0, sizeof expected.Padding2);
    EXPECT_EQ(std::memcmp(&expected, &loaded->Profiles[k], sizeof expected), 0) << "profile " << k;
  }
}

TEST_F(ProfileStore, AMissingProfileFileGivesFactoryValuesAndNoConfigGivesMinusOne) {
  auto saved = Distinct();
  SaveAll(*saved);
  DeleteFileW(ProfileFilePath(3).c_str());
  DeleteFileW(ConfigIniPath().c_str());
  auto loaded = std::make_unique<SettingsRecord>();
  InitializeSettings(*loaded);
  LoadAll(*loaded);

  EXPECT_EQ(loaded->CurrentProfile, -1);
  EXPECT_EQ(loaded->MouseType, -1);
  ProfileRecord factory{};
  FactoryProfile(factory, 3);
  EXPECT_EQ(std::memcmp(&factory, &loaded->Profiles[3], sizeof factory), 0);
  EXPECT_EQ(loaded->Profiles[2].Sensitivity_X, 16);
}

TEST_F(ProfileStore, FilesAreExactlyWhatKeyByKeyWritingGives) {
  auto s = Distinct();
  SetText(s->Profiles[0].ProFileName, u"  padded name  ");
  const std::string starts[] = {
      "",  // no file yet
      "[Other]\r\nx=1\r\n[Setting]\r\nExtra=5\r\nsensitivity_x=1\r\n[Tail]\r\ny=\"q\"\r\n",
      "[Setting]\r\n; a comment the user wrote\r\nDbleClickSpeed=300\r\n",
      "[Setting]\r\n# not a comment to the platform\r\nlonely\r\n",
      "\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0]\0\r\0\n\0K\0=\0v\0\r\0\n\0",
  };
  for (int profile : {0, 1}) {
    for (const std::string& start : starts) {
      const std::wstring ours = ExeFolder() + L"a.ini";
      const std::wstring reference = ExeFolder() + L"b.ini";
      DeleteFileW(ours.c_str());
      DeleteFileW(reference.c_str());
      if (!start.empty()) {
        WriteBytes(ours, start);
        WriteBytes(reference, start);
      } else {
        CreateUnicodeFile(reference);
      }
      WriteProfileFile(s->Profiles[profile], ours);
      ReferenceWriteProfile(s->Profiles[profile], reference);
      WritePrivateProfileStringW(nullptr, nullptr, nullptr, reference.c_str());
      EXPECT_EQ(Bytes(ours), Bytes(reference)) << "profile " << profile << ", start: " << start;
    }
  }
}

TEST_F(ProfileStore, APlainKeyByKeyReaderAcceptsTheFiles) {
  auto s = Distinct();
  const std::wstring path = ExeFolder() + L"a.ini";
  WriteProfileFile(s->Profiles[1], path);
  ProfileRecord read{};
  ReferenceReadProfile(read, path);
  EXPECT_EQ(std::memcmp(&read, &s->Profiles[1], offsetof(ProfileRecord, Padding1)), 0);
  EXPECT_EQ(std::memcmp(read.MacroKeyInfo, s->Profiles[1].MacroKeyInfo, sizeof read.MacroKeyInfo), 0);
  EXPECT_EQ(TextOf(read.ProFileName), u"Sniper \u00e9\u4e2d\u0416");
}

TEST_F(ProfileStore, ExportWritesTheFileItsTitleAndTheSideCopy) {
  auto s = Distinct();
  WorkingSettings = *s;
  WorkingSettings.CurrentProfile = 2;
  const std::wstring path = ExeFolder() + L"export.gmp";
  WriteBytes(path, "old content that must go");
  ASSERT_TRUE(ExportProfile(WorkingSettings, path).empty());

  wchar_t title[64] = {};
  GetPrivateProfileStringW(L"Profile3", L"FileName", L"", title, 64, ConfigIniPath().c_str());
  EXPECT_STREQ(title, L"export");
  EXPECT_EQ(Bytes(ExportSideCopyPath(2)), Bytes(path));
  ProfileRecord read{};
  ReadProfileFile(read, path);
  EXPECT_EQ(TextOf(read.ProFileName), u"Profile two");
}

TEST_F(ProfileStore, ImportReplacesTheActiveProfileOnly) {
  auto s = Distinct();
  WorkingSettings = *s;
  WorkingSettings.CurrentProfile = 1;
  const std::wstring path = ExeFolder() + L"export.gmp";
  ASSERT_TRUE(ExportProfile(WorkingSettings, path).empty());

  WorkingSettings.CurrentProfile = 0;
  ASSERT_TRUE(ImportProfile(WorkingSettings, path));
  EXPECT_EQ(TextOf(WorkingSettings.Profiles[0].ProFileName), u"Sniper \u00e9\u4e2d\u0416");
  EXPECT_EQ(WorkingSettings.Profiles[0].Sensitivity_X, 15);
  EXPECT_EQ(std::memcmp(&WorkingSettings.Profiles[4], &s->Profiles[4], sizeof(ProfileRecord)), 0);

  // A record from the file keeps its code but not a foreign button index.
  ButtonRecord foreign = s->Profiles[1].MacroKeyInfo[3];
  foreign.ButtonIndex = 200;
  foreign.FunctionCode = 99;
  WriteStruct(path, L"Setting", L"MacroKeyInfo3", foreign);
  ASSERT_TRUE(ImportProfile(WorkingSettings, path));
  EXPECT_EQ(WorkingSettings.Profiles[0].MacroKeyInfo[3].ButtonIndex, 3);
  EXPECT_EQ(WorkingSettings.Profiles[0].MacroKeyInfo[3].FunctionCode, 99);

  // Without a name key the profile ends up unnamed.
  WriteBytes(path, "[Setting]\r\nSensitivity_X=3\r\n");
  ASSERT_TRUE(ImportProfile(WorkingSettings, path));
  EXPECT_EQ(TextOf(WorkingSettings.Profiles[0].ProFileName), u"");
  EXPECT_EQ(WorkingSettings.Profiles[0].Sensitivity_X, 3);
  EXPECT_EQ(WorkingSettings.Profiles[0].MouseSpeed, -1);
}

TEST_F(ProfileStore, ImportOfAFileThatCannotBeOpenedChangesNothing) {
  auto s = Distinct();
  WorkingSettings = *s;
  EXPECT_FALSE(ImportProfile(WorkingSettings, ExeFolder() + L"no such file.gmp"));
  EXPECT_EQ(std::memcmp(&WorkingSettings, s.get(), sizeof(SettingsRecord)), 0);
  WorkingSettings.CurrentProfile = -1;
  EXPECT_FALSE(ImportProfile(WorkingSettings, ProfileFilePath(0)));
  EXPECT_EQ(ExportProfile(WorkingSettings, ExeFolder() + L"export.gmp"), UnwrittenFiles{ExeFolder() + L"export.gmp"});
}

TEST_F(ProfileStore, AFileThatCannotBeReadIsNeverReplacedAndNoOtherFileIsTouched) {
  auto s = Distinct();
  ASSERT_TRUE(SaveAll(*s).empty());
  ASSERT_TRUE(WriteProfileFileName(1, L"kept"));
  const auto before = Bytes(ConfigIniPath());
  {
    FileHandle held(CreateFileW(ConfigIniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(SaveAll(*s), UnwrittenFiles{ConfigIniPath()});
  }
  EXPECT_EQ(Bytes(ConfigIniPath()), before);

  // A stranger's file named like a copy of the target survives an export.
  WorkingSettings = *s;
  const std::wstring path = ExeFolder() + L"export.gmp";
  WriteBytes(path + L".new", "not ours");
  EXPECT_TRUE(ExportProfile(WorkingSettings, path).empty());
  EXPECT_EQ(Bytes(path + L".new"), std::vector<std::uint8_t>({'n', 'o', 't', ' ', 'o', 'u', 'r', 's'}));
  WIN32_FIND_DATAW found;
  EXPECT_EQ(FindFirstFileW((ExeFolder() + L"vgm*.tmp").c_str(), &found), INVALID_HANDLE_VALUE);
}

TEST_F(ProfileStore, NumbersAreReadAsThePlatformReadsThem) {
  const std::string forms[] = {"",      "   ",        "0x10",       "0X10",  "-0x10", "0o17",  "0b101", "0x",
                               "12abc", " +7",        "--5",        "-1",    "256",   "\"42\"", "'0x1F'", "abc",
                               "1 2",   "4294967297", "2147483648", "99999999999999999999999999999999"};
  const std::wstring path = ExeFolder() + L"a.ini";
  auto loaded = std::make_unique<SettingsRecord>();
  for (const std::string& form : forms) {
    WriteBytes(path, "[Setting]\r\nDbleClickSpeed=" + form + "\r\ndpiStepFlag0=" + form + "\r\n");
    WriteBytes(ConfigIniPath(), "[Setting]\r\nCurrentProfile=" + form + "\r\n");
    const int platform = static_cast<int>(GetPrivateProfileIntW(L"Setting", L"DbleClickSpeed", -1, path.c_str()));
    ProfileRecord read{};
    ReadProfileFile(read, path);
    LoadAll(*loaded);
    EXPECT_EQ(read.DbleClickSpeed, platform) << form;
    EXPECT_EQ(read.dpiStepFlag[0], static_cast<std::uint8_t>(platform)) << form;
    EXPECT_EQ(loaded->CurrentProfile, platform) << form;
  }
}

namespace {

// The golden files are kept as UTF-8 text with plain line ends; the store
// writes UTF-16 with a byte-order mark and CR LF line ends.
std::vector<std::uint8_t> Golden(const wchar_t* name) {
  const std::vector<std::uint8_t> utf8 = Bytes(std::wstring(GOLDEN_DIR) + name);
  std::wstring text(utf8.size(), L'\0');
  text.resize(MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(utf8.data()), static_cast<int>(utf8.size()),
                                  text.data(), static_cast<int>(text.size())));
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  for (wchar_t c : text) {
    if (c == L'\n') bytes.insert(bytes.end(), {'\r', 0});
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8)});
  }
  return bytes;
}

// What the golden profile file holds: each int its own offset in the record,
// each byte the low byte of its offset, each button a pattern of its own.
ProfileRecord GoldenProfile() {
  ProfileRecord p{};
  SetText(p.ProFileName, u"Golden \u00dc profile");
  SetText(p.GameFile, u"C:\\Games\\golden.exe");
  auto* bytes = reinterpret_cast<std::uint8_t*>(&p);
  auto setInts = [&](std::int32_t first, std::int32_t last) {
    for (std::int32_t at = first; at <= last; at += 4) std::memcpy(bytes + at, &at, sizeof at);
  };
  auto setBytes = [&](int first, int last) {
    for (int at = first; at <= last; ++at) bytes[at] = static_cast<std::uint8_t>(at);
  };
  setInts(1500, 1644);
  setBytes(1648, 1658);
  setInts(1660, 1664);
  setBytes(1668, 1680);
  for (int b = 0; b < kButtonCount; ++b) {
    auto* record = reinterpret_cast<std::uint8_t*>(&p.MacroKeyInfo[b]);
    for (int i = 0; i < static_cast<int>(sizeof(ButtonRecord)); ++i) record[i] = static_cast<std::uint8_t>(i * 7 + b * 31);
    record[0] = static_cast<std::uint8_t>(b);
    p.MacroKeyInfo[b].EntryCount = static_cast<std::uint16_t>(b + 1);
  }
  return p;
}

// The offset of the first byte that differs, or -1.
long FirstDifference(const ProfileRecord& a, const ProfileRecord& b) {
  const auto* x = reinterpret_cast<const std::uint8_t*>(&a);
  const auto* y = reinterpret_cast<const std::uint8_t*>(&b);
  const auto [at, _] = std::mismatch(x, x + sizeof a, y);
  return at == x + sizeof a ? -1 : static_cast<long>(at - x);
}

}  // namespace

TEST_F(ProfileStore, GoldenFilesAreReadAndWrittenFieldForField) {
  CreateDirectoryW((ExeFolder() + L"config").c_str(), nullptr);
  WriteWholeFile(ConfigIniPath(), Golden(L"config.ini.txt"));
  WriteWholeFile(ProfileFilePath(2), Golden(L"profile.gmp.txt"));
  auto loaded = std::make_unique<SettingsRecord>();
  InitializeSettings(*loaded);
  LoadAll(*loaded);
  EXPECT_EQ(loaded->CurrentProfile, 2);
  EXPECT_EQ(loaded->MouseType, 63324);
  EXPECT_EQ(loaded->MouseColor, 63328);
  EXPECT_EQ(FirstDifference(loaded->Profiles[2], GoldenProfile()), -1);

  RemoveFiles();
  ASSERT_TRUE(SaveAll(*loaded).empty());
  EXPECT_EQ(Bytes(ConfigIniPath()), Golden(L"config.ini.txt"));
  EXPECT_EQ(Bytes(ProfileFilePath(2)), Golden(L"profile.gmp.txt"));
}
