// The link with no monitor at all, and the handle wrappers it is built on.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "link/monitor_link.h"
#include "framework/handles.h"
#include "tests/unit/record_bytes.h"

namespace {

bool HandleIsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

MonitorNames NamesOfNoMonitor() {
  return MonitorNames::WithSuffix(L" absent " + std::to_wstring(GetCurrentProcessId()));
}

TEST(MonitorLinkStandalone, EveryOperationDegradesToNothing) {
  MonitorLink link(NamesOfNoMonitor());
  EXPECT_FALSE(link.Open());
  EXPECT_FALSE(link.IsConnected());

  auto dest = FilledRecord<SettingsRecord>(0xA5);
  auto before = FilledRecord<SettingsRecord>(0xA5);
  EXPECT_FALSE(link.ReadBlock(*dest));
  EXPECT_TRUE(DifferingOffsets(*dest, *before).empty());

  EXPECT_FALSE(link.WriteBlock(*dest));
  EXPECT_FALSE(link.NotifyApply(kApplyNormal));
  link.Close();
  link.Close();
}

TEST(KernelHandle, ClosesOnceWhetherResetMovedOrDestroyed) {
  HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(raw, nullptr);
  {
    KernelHandle first(raw);
    KernelHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.Get(), raw);
    EXPECT_TRUE(HandleIsOpen(raw));
  }
  EXPECT_FALSE(HandleIsOpen(raw));

  FileHandle failed(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(failed);

  HANDLE kept = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  KernelHandle owner(kept);
  EXPECT_EQ(owner.Release(), kept);
  EXPECT_TRUE(HandleIsOpen(kept));
  CloseHandle(kept);
}

}  // namespace
