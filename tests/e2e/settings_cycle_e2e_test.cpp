// Loading, applying and the monitor's notifications, without the program's
// windows: the cycle against real files, the real registry (redirected per
// process), the real macro file and the monitor simulator as a second
// process.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "link/monitor_messages.h"
#include "link/settings_cycle.h"
#include "macro/macro_list.h"
#include "model/assignment.h"
#include "model/factory.h"
#include "model/settings.h"
#include "model/text.h"
#include "store/macro_file.h"
#include "store/profile_store.h"
#include "tests/e2e/cycle_test_window.h"
#include "tests/e2e/simulator.h"
#include "tests/unit/record_bytes.h"
#include "tests/win/registry_sandbox.h"
#include "tools/monitor-sim/files.h"

namespace {

std::unique_ptr<SettingsRecord> FactoryRecord(int currentProfile = 0) {
  auto record = std::make_unique<SettingsRecord>();
  InitializeSettings(*record);
  FactorySettings(*record);
  record->CurrentProfile = currentProfile;
  return record;
}

bool Same(const SettingsRecord& a, const SettingsRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Flags(std::initializer_list<int> values) {
  std::string text;
  for (int v : values) {
    if (!text.empty()) text += ',';
    text += std::to_string(v);
  }
  return text;
}

std::string AllButtonFlags(int value) {
  std::string text;
  for (int i = 0; i < kProfileCount * kButtonCount; ++i) {
    if (i) text += ',';
    text += std::to_string(value);
  }
  return text;
}

void ExpectInLine(const std::string& line, const std::string& part) {
  EXPECT_NE(line.find(part), std::string::npos) << part << "\nnot in\n" << line;
}

class SettingsCycleTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(registry);
    RemoveFiles();
    Macros.Clear();
    window.Attach(&cycle);
  }
  void TearDown() override {
    RemoveFiles();
    Macros.Clear();
  }

  static void RemoveFiles() {
    for (int k = 0; k < kProfileCount; ++k) DeleteFileW(ProfileFilePath(k).c_str());
    DeleteFileW(ConfigIniPath().c_str());
    DeleteFileW(MacroFilePath().c_str());
  }

  // The block the simulator starts with, from a file.
  bool ServeBlock(const SettingsRecord& block, std::initializer_list<std::wstring> more = {}) {
    const std::wstring file = scratch.File(L"start.bin");
    if (!WriteWholeFile(file, BytesOf(block))) return false;
    std::vector<std::wstring> args = {L"--block", file, L"--log", log};
    args.insert(args.end(), more.begin(), more.end());
    return simulator.Serve(args);
  }
  // Replaces the monitor's block under its mutex, as the monitor would.
  bool MonitorWrites(const SettingsRecord& block) {
    const std::wstring file = scratch.File(L"write.bin");
    return WriteWholeFile(file, BytesOf(block)) && simulator.RunClient({L"--write", file}) == 0;
  }
  bool MonitorPosts(const wchar_t* notification, int* counter) {
    const int before = *counter;
    return simulator.RunClient({L"--post", notification}) == 0 && WaitUntil([&] { return *counter > before; });
  }

  RegistrySandbox registry;
  ScratchFolder scratch;
  Simulator simulator;
  MonitorLink link{simulator.names()};
  CycleTestWindow window{simulator.names().mainWindow};
  SettingsCycle cycle{{WorkingSettings, AppliedSettings}, link, Macros, window};
  const std::wstring log = scratch.File(L"apply.log");
};

}  // namespace

TEST_F(SettingsCycleTest, StandaloneStartEditApply) {
  auto files = FactoryRecord(2);
  SetText(files->Profiles[2].ProFileName, u"From files");
  SaveAll(*files);

  cycle.StartupLoad();
  EXPECT_FALSE(link.IsConnected());
  EXPECT_EQ(WorkingSettings.CurrentProfile, 2);
  EXPECT_EQ(TextOf(WorkingSettings.Profiles[2].ProFileName), u"From files");
  EXPECT_TRUE(Same(WorkingSettings, AppliedSettings));

  WorkingSettings.Profiles[2].Sensitivity_X = 18;
  WorkingSettings.Profiles[2].DbleClickSpeed = 700;
  auto element = std::make_unique<tagElement>();
  SetText(element->name, u"Combo");
  element->count = 2;
  Macros.Append(std::move(element));
  cycle.Apply(kApplyNormal);

  EXPECT_FALSE(cycle.Busy()) << "nothing was posted, so nothing to wait for";
  EXPECT_FALSE(window.HasCapture());
  EXPECT_TRUE(Same(WorkingSettings, AppliedSettings));
  ProfileRecord saved{};
  ReadProfileFile(saved, ProfileFilePath(2));
  EXPECT_EQ(saved.Sensitivity_X, 18);
  wchar_t doubleClick[16] = {};
  DWORD size = sizeof doubleClick;
  RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Mouse", L"DoubleClickSpeed", RRF_RT_REG_SZ, nullptr, doubleClick,
               &size);
  EXPECT_STREQ(doubleClick, L"700");
  MacroList reloaded;
  LoadMacros(reloaded);
  ASSERT_EQ(reloaded.Count(), 1);
  EXPECT_EQ(TextOf(reloaded.ElementAt(0)->name), u"Combo");
}

TEST_F(SettingsCycleTest, NoConfigAtAllStartsOnTheFirstProfile) {
  cycle.StartupLoad();
  EXPECT_EQ(WorkingSettings.CurrentProfile, 0);
  EXPECT_EQ(TextOf(WorkingSettings.Profiles[4].ProFileName), u"Profile");
}

TEST_F(SettingsCycleTest, ConnectedStartAndApplyOfOneOtgSpeed) {
  auto files = FactoryRecord(0);
  SetText(files->Profiles[1].ProFileName, u"From files");
  SaveAll(*files);
  auto block = FactoryRecord(1);
  SetText(block->Profiles[1].ProFileName, u"From the monitor");
  block->ButtonChangedFlags[1][4] = 1;
  block->CurrentProfileChanged = 1;
  ASSERT_TRUE(ServeBlock(*block, {L"--done-delay", L"300"}));

  cycle.StartupLoad();
  ASSERT_TRUE(link.IsConnected());
  EXPECT_EQ(TextOf(WorkingSettings.Profiles[1].ProFileName), u"From the monitor");
  EXPECT_EQ(WorkingSettings.ButtonChangedFlags[1][4], 0) << "a loaded block starts with clear tracking";

  WorkingSettings.Profiles[1].OTGSpeed = 40;
  cycle.Apply(kApplyNormal);
  EXPECT_TRUE(cycle.Busy()) << "busy until the monitor answers";
  EXPECT_TRUE(window.HasCapture());
  ASSERT_TRUE(WaitUntil([&] { return !cycle.Busy(); }));
  EXPECT_FALSE(window.HasCapture());

  const std::vector<std::string> lines = LogLines(log);
  ASSERT_EQ(lines.size(), 1u);
  ExpectInLine(lines[0], "{\"wParam\":0,");
  ExpectInLine(lines[0], "\"OTGSpeedChangedFlags\":[" + Flags({0, 1, 0, 0, 0}) + "]");
  ExpectInLine(lines[0], "\"ProfileChangedFlags\":[" + Flags({0, 0, 0, 0, 0}) + "]");
  ExpectInLine(lines[0], "\"CurrentProfileChanged\":0,");
  for (const SettingsRecord* copy : {&WorkingSettings, &AppliedSettings}) {
    EXPECT_EQ(std::count(copy->ButtonChangedFlags[0], copy->ButtonChangedFlags[0] + 85, 0), 85);
  }
}

TEST_F(SettingsCycleTest, RestoreAllReachesTheMonitorWithEveryFlag) {
  ASSERT_TRUE(ServeBlock(*FactoryRecord(3)));
  cycle.StartupLoad();
  RestoreAll(WorkingSettings);
  cycle.Apply(kApplyRestoreAll);
  ASSERT_TRUE(WaitUntil([&] { return !cycle.Busy(); }));

  const std::vector<std::string> lines = LogLines(log);
  ASSERT_EQ(lines.size(), 1u);
  ExpectInLine(lines[0], "{\"wParam\":1,");
  ExpectInLine(lines[0], "\"CurrentProfile\":0,");
  ExpectInLine(lines[0], "\"CurrentProfileChanged\":1,");
  ExpectInLine(lines[0], "\"ButtonChangedFlags\":[" + AllButtonFlags(1) + "]");
  ExpectInLine(lines[0], "\"ProfileChangedFlags\":[" + Flags({1, 1, 1, 1, 1}) + "]");
  ExpectInLine(lines[0], "\"OTGSpeedChangedFlags\":[" + Flags({1, 1, 1, 1, 1}) + "]");
}

TEST_F(SettingsCycleTest, SensorChangeTakesFourFieldsAndKeepsEveryEdit) {
  ASSERT_TRUE(ServeBlock(*FactoryRecord(1)));
  cycle.StartupLoad();
  WorkingSettings.CurrentProfile = 3;
  WorkingSettings.Profiles[1].OTGSpeed = 55;
  WorkingSettings.Profiles[1].Sensitivity_X = 5;
  WorkingSettings.Profiles[2].Sensitivity_X = 7;

  auto sensed = FactoryRecord(1);
  sensed->Profiles[1].CpiStep = 3;
  sensed->Profiles[1].Sensitivity_X = 18;
  sensed->Profiles[1].Sensitivity_Y = 16;
  sensed->Profiles[1].PollingRate = 0;
  sensed->Profiles[1].DbleClickSpeed = 900;
  sensed->Profiles[2].Sensitivity_X = 1;
  ASSERT_TRUE(MonitorWrites(*sensed));
  ASSERT_TRUE(MonitorPosts(L"sensor-changed", &window.refreshed));

  const ProfileRecord& p = WorkingSettings.Profiles[1];
  EXPECT_EQ(p.CpiStep, 3);
  EXPECT_EQ(p.Sensitivity_X, 18);
  EXPECT_EQ(p.Sensitivity_Y, 16);
  EXPECT_EQ(p.PollingRate, 0);
  EXPECT_EQ(p.OTGSpeed, 55);
  EXPECT_EQ(p.DbleClickSpeed, 500);
  EXPECT_EQ(WorkingSettings.Profiles[2].Sensitivity_X, 7);
  EXPECT_EQ(WorkingSettings.CurrentProfile, 3);
  EXPECT_TRUE(Same(AppliedSettings, *sensed)) << "the baseline is the monitor's block";

  // A block without a valid current profile gives no sensor values.
  sensed->CurrentProfile = 99;
  sensed->Profiles[1].Sensitivity_X = 3;
  ASSERT_TRUE(MonitorWrites(*sensed));
  ASSERT_TRUE(MonitorPosts(L"sensor-changed", &window.refreshed));
  EXPECT_EQ(WorkingSettings.Profiles[1].Sensitivity_X, 18);
}

TEST_F(SettingsCycleTest, SettingsChangedKeepsTheBlocksFlagsInWorkingSettingsOnly) {
  ASSERT_TRUE(ServeBlock(*FactoryRecord(0)));
  cycle.StartupLoad();
  auto changed = FactoryRecord(2);
  changed->Profiles[2].LiftLevel = 4;
  changed->ButtonChangedFlags[2][7] = 1;
  changed->ProfileChangedFlags[2] = 1;
  changed->CurrentProfileChanged = 1;
  ASSERT_TRUE(MonitorWrites(*changed));
  ASSERT_TRUE(MonitorPosts(L"settings-changed", &window.refreshed));

  EXPECT_TRUE(Same(WorkingSettings, *changed));
  EXPECT_EQ(AppliedSettings.ButtonChangedFlags[2][7], 0);
  EXPECT_EQ(AppliedSettings.ProfileChangedFlags[2], 0);
  EXPECT_EQ(AppliedSettings.CurrentProfileChanged, 1) << "never cleared";
  EXPECT_EQ(AppliedSettings.Profiles[2].LiftLevel, 4);
}

TEST_F(SettingsCycleTest, ReloadTakesTheBlockAndCompletesTheMacroList) {
  ASSERT_TRUE(ServeBlock(*FactoryRecord(0)));
  cycle.StartupLoad();
  WorkingSettings.Profiles[0].OTGSpeed = 99;

  auto reloaded = FactoryRecord(4);
  ButtonRecord& button = reloaded->Profiles[3].MacroKeyInfo[6];
  button.FunctionCode = 16;
  SetText(button.Name, u"Burst");
  button.EntryCount = 2;
  button.RepeatCount = 3;
  reloaded->ButtonChangedFlags[3][6] = 1;
  ASSERT_TRUE(MonitorWrites(*reloaded));
  ASSERT_TRUE(MonitorPosts(L"reload", &window.refreshed));

  EXPECT_EQ(window.invalidated, 1);
  EXPECT_EQ(WorkingSettings.CurrentProfile, 4);
  EXPECT_EQ(WorkingSettings.Profiles[0].OTGSpeed, 10);
  EXPECT_EQ(WorkingSettings.ButtonChangedFlags[3][6], 0);
  EXPECT_TRUE(Same(WorkingSettings, AppliedSettings));
  ASSERT_EQ(Macros.Count(), 1);
  EXPECT_EQ(TextOf(Macros.ElementAt(0)->name), u"Burst");
  EXPECT_EQ(Macros.ElementAt(0)->repeat, 3);
}

TEST_F(SettingsCycleTest, AHostileBlockIsMadeSafe) {
  auto hostile = FilledRecord<SettingsRecord>(0x41);  // unterminated texts, counts of 0x4141
  hostile->CurrentProfile = 99;
  for (ProfileRecord& p : hostile->Profiles)
    for (ButtonRecord& b : p.MacroKeyInfo) {
      b.FunctionCode = 16;
      b.EntryCount = 65535;
    }
  ASSERT_TRUE(ServeBlock(*hostile));
  cycle.StartupLoad();

  EXPECT_EQ(WorkingSettings.CurrentProfile, 0);
  for (const ProfileRecord& p : WorkingSettings.Profiles) {
    EXPECT_EQ(TextOf(p.ProFileName).size(), 249u);
    for (const ButtonRecord& b : p.MacroKeyInfo) {
      EXPECT_EQ(b.EntryCount, 40);
      EXPECT_EQ(TextOf(b.Name).size(), 18u);
    }
  }
  // All 75 buttons carry the same macro name: one macro in the list.
  ASSERT_EQ(Macros.Count(), 1);
  EXPECT_EQ(Macros.ElementAt(0)->count, 40);

  ASSERT_TRUE(MonitorWrites(*hostile));
  ASSERT_TRUE(MonitorPosts(L"reload", &window.refreshed));
  EXPECT_EQ(WorkingSettings.CurrentProfile, 0);
  ASSERT_TRUE(MonitorPosts(L"sensor-changed", &window.refreshed));
  cycle.Apply(kApplyNormal);
  ASSERT_TRUE(WaitUntil([&] { return !cycle.Busy(); }));
}

TEST_F(SettingsCycleTest, AMappingWithoutItsMutexFallsBackToTheFiles) {
  auto files = FactoryRecord(3);
  SetText(files->Profiles[3].ProFileName, u"Saved");
  SaveAll(*files);
  const std::wstring file = scratch.File(L"start.bin");
  ASSERT_TRUE(WriteWholeFile(file, BytesOf(*FactoryRecord(0))));
  ASSERT_TRUE(simulator.Serve({L"--no-mutex", L"--block", file}));

  cycle.StartupLoad();
  EXPECT_EQ(WorkingSettings.CurrentProfile, 3);
  EXPECT_EQ(TextOf(WorkingSettings.Profiles[3].ProFileName), u"Saved");

  // Nothing can be read later either: the user's edits stay.
  WorkingSettings.Profiles[3].OTGSpeed = 70;
  ASSERT_TRUE(MonitorPosts(L"reload", &window.invalidated));
  EXPECT_EQ(WorkingSettings.Profiles[3].OTGSpeed, 70);
}
