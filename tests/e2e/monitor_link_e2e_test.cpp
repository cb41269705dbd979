// The monitor link against the monitor simulator running as a second process.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "link/monitor_link.h"
#include "link/monitor_messages.h"
#include "model/factory.h"
#include "model/settings.h"
#include "tests/e2e/main_window_stub.h"
#include "tests/e2e/simulator.h"
#include "tests/unit/record_bytes.h"
#include "tools/monitor-sim/apply_log.h"
#include "tools/monitor-sim/files.h"

namespace {

constexpr std::uint8_t kUntouched = 0xA5;

std::unique_ptr<SettingsRecord> FactoryRecord() {
  auto record = std::make_unique<SettingsRecord>();
  InitializeSettings(*record);
  FactorySettings(*record);
  return record;
}

// Every byte differs from its neighbours, so a shifted or partial copy shows.
std::unique_ptr<SettingsRecord> PatternRecord(unsigned seed) {
  auto record = std::make_unique<SettingsRecord>();
  auto bytes = BytesOf(*record);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return record;
}

std::vector<std::uint8_t> FileBytes(const std::wstring& path) {
  return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{});
}

std::vector<std::uint8_t> VectorOf(const SettingsRecord& record) {
  auto bytes = BytesOf(record);
  return {bytes.begin(), bytes.end()};
}

class MonitorLinkWithSimulator : public testing::Test {
 protected:
  ScratchFolder scratch;
  Simulator simulator;
  MonitorLink link{simulator.names()};
  std::unique_ptr<SettingsRecord> untouched = FilledRecord<SettingsRecord>(kUntouched);
};

TEST_F(MonitorLinkWithSimulator, ReadsTheMonitorsBlockAndWritesItBackByteForByte) {
  ASSERT_TRUE(simulator.Serve());
  ASSERT_TRUE(link.Open());

  auto read = FilledRecord<SettingsRecord>(kUntouched);
  ASSERT_TRUE(link.ReadBlock(*read));
  EXPECT_TRUE(DifferingOffsets(*read, *FactoryRecord()).empty());

  auto written = PatternRecord(3);
  ASSERT_TRUE(link.WriteBlock(*written));
  ASSERT_TRUE(link.ReadBlock(*read));
  EXPECT_TRUE(DifferingOffsets(*read, *written).empty());

  // The monitor's side sees the same bytes, and what it writes arrives whole.
  const std::wstring out = scratch.File(L"out.bin");
  ASSERT_EQ(simulator.RunClient({L"--read", out}), 0);
  EXPECT_EQ(FileBytes(out), VectorOf(*written));

  auto fromMonitor = PatternRecord(11);
  const std::wstring in = scratch.File(L"in.bin");
  ASSERT_TRUE(WriteWholeFile(in, BytesOf(*fromMonitor)));
  ASSERT_EQ(simulator.RunClient({L"--write", in}), 0);
  ASSERT_TRUE(link.ReadBlock(*read));
  EXPECT_TRUE(DifferingOffsets(*read, *fromMonitor).empty());
}

TEST_F(MonitorLinkWithSimulator, ApplyReachesTheMonitorWithWParamAndFlags) {
  MainWindowStub mainWindow(simulator.names().mainWindow);
  ASSERT_TRUE(mainWindow.exists());
  const std::wstring log = scratch.File(L"apply.log");
  const std::wstring saved = scratch.File(L"saved.bin");
  ASSERT_TRUE(simulator.Serve({L"--log", log, L"--save", saved}));
  ASSERT_TRUE(link.Open());

  auto record = FactoryRecord();
  record->CurrentProfile = 3;
  record->CurrentProfileChanged = 1;
  record->ButtonChangedFlags[2][3] = 1;
  record->ProfileChangedFlags[4] = 1;
  record->OTGSpeedChangedFlags[1] = 1;
  ASSERT_TRUE(link.WriteBlock(*record));
  ASSERT_TRUE(link.NotifyApply(kApplyRestoreAll));

  ASSERT_TRUE(mainWindow.WaitFor(WM_MONITOR_APPLY_DONE));
  const std::vector<std::string> lines = LogLines(log);
  ASSERT_EQ(lines.size(), 1u);
  const std::string& line = lines[0];
  std::string buttons;
  for (int i = 0; i < kProfileCount * kButtonCount; ++i) buttons += std::string(i ? "," : "") + (i == 33 ? "1" : "0");
  for (const std::string& part : {std::string("{\"wParam\":1,"), std::string("\"CurrentProfile\":3,"),
                                  std::string("\"CurrentProfileChanged\":1,"),
                                  "\"ButtonChangedFlags\":[" + buttons + "]",
                                  std::string("\"ProfileChangedFlags\":[0,0,0,0,1]"),
                                  std::string("\"OTGSpeedChangedFlags\":[0,1,0,0,0]"),
                                  std::string("\"blockBytes\":63676,"),
                                  "\"hash\":\"" + BlockHashText(BytesOf(*record)) + "\""})
    EXPECT_NE(line.find(part), std::string::npos) << part << "\nnot in\n" << line;
  EXPECT_EQ(FileBytes(saved), VectorOf(*record));
}

TEST_F(MonitorLinkWithSimulator, MappingWithoutMutexIsNeitherReadNorWritten) {
  const std::wstring log = scratch.File(L"apply.log");
  ASSERT_TRUE(simulator.Serve({L"--no-mutex", L"--log", log}));
  ASSERT_TRUE(link.Open());

  auto dest = FilledRecord<SettingsRecord>(kUntouched);
  EXPECT_FALSE(link.ReadBlock(*dest));
  EXPECT_TRUE(DifferingOffsets(*dest, *untouched).empty());
  EXPECT_FALSE(link.WriteBlock(*PatternRecord(5)));

  // The monitor still holds its factory block.
  ASSERT_TRUE(link.NotifyApply(kApplyNormal));
  ASSERT_TRUE(WaitUntil([&] { return !LogLines(log).empty(); }));
  EXPECT_NE(LogLines(log)[0].find(BlockHashText(BytesOf(*FactoryRecord()))), std::string::npos);
}

TEST_F(MonitorLinkWithSimulator, MappingShorterThanTheBlockLeavesTheLinkStandalone) {
  constexpr std::size_t kShortSize = 4096;
  ASSERT_TRUE(simulator.Serve({L"--mapping-size", std::to_wstring(kShortSize)}));
  EXPECT_FALSE(link.Open());

  auto dest = FilledRecord<SettingsRecord>(kUntouched);
  EXPECT_FALSE(link.ReadBlock(*dest));
  EXPECT_TRUE(DifferingOffsets(*dest, *untouched).empty());
  EXPECT_FALSE(link.WriteBlock(*PatternRecord(5)));

  const std::wstring out = scratch.File(L"short.bin");
  ASSERT_EQ(simulator.RunClient({L"--read", out}), 0);
  const std::vector<std::uint8_t> factory = VectorOf(*FactoryRecord());
  EXPECT_EQ(FileBytes(out), std::vector<std::uint8_t>(factory.begin(), factory.begin() + kShortSize));
}

TEST_F(MonitorLinkWithSimulator, AbandonedMutexIsHandedBackWithoutCopying) {
  ASSERT_TRUE(simulator.Serve());
  ASSERT_TRUE(link.Open());
  ASSERT_EQ(simulator.RunClient({L"--abandon-mutex"}), 0);

  auto dest = FilledRecord<SettingsRecord>(kUntouched);
  EXPECT_FALSE(link.ReadBlock(*dest));
  EXPECT_TRUE(DifferingOffsets(*dest, *untouched).empty());

  // Another process gets the lock: the link did not keep it.
  EXPECT_EQ(simulator.RunClient({L"--read", scratch.File(L"after.bin"), L"--timeout", L"5000"}), 0);
  EXPECT_TRUE(link.ReadBlock(*dest));
  EXPECT_TRUE(DifferingOffsets(*dest, *FactoryRecord()).empty());
}

struct PostCase {
  const wchar_t* name;
  UINT message;
};

TEST(MonitorSimulatorClient, PostsEachNotificationToTheMainWindow) {
  Simulator simulator;
  EXPECT_EQ(simulator.RunClient({L"--post", L"reload"}), 1) << "no main window yet";

  MainWindowStub mainWindow(simulator.names().mainWindow);
  ASSERT_TRUE(mainWindow.exists());
  const PostCase cases[] = {
      {L"reload", WM_MONITOR_RELOAD},
      {L"settings-changed", WM_MONITOR_SETTINGS_CHANGED},
      {L"apply-done", WM_MONITOR_APPLY_DONE},
      {L"sensor-changed", WM_MONITOR_SENSOR_CHANGED},
      {L"11027", 11027},
  };
  for (const PostCase& c : cases) {
    ASSERT_EQ(simulator.RunClient({L"--post", c.name, L"--wparam", L"7", L"--lparam", L"9"}), 0);
    ASSERT_TRUE(mainWindow.WaitFor(c.message)) << c.message;
    const PostedMessage& last = mainWindow.received().back();
    EXPECT_EQ(last.message, c.message);
    EXPECT_EQ(last.wParam, 7u);
    EXPECT_EQ(last.lParam, 9);
  }
}

}  // namespace
