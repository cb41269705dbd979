#pragma once
// The lowest level of the talk with the monitor process: its shared settings
// block, the mutex around it, and the notice that an apply was written.
//
// The link is a transport: ReadBlock copies the monitor's bytes as they are.
// Whoever loads a block into the program's settings passes it through
// SanitizeLoadedSettings (model/settings.h) before anything else uses it.
#include <windows.h>

#include <cstddef>
#include <string>

#include "link/monitor_messages.h"
#include "link/monitor_names.h"
#include "framework/handles.h"
#include "model/settings_record.h"

class MonitorLink {
 public:
  explicit MonitorLink(MonitorNames names = MonitorNames::Standard());
  ~MonitorLink() = default;  // the owned handles close themselves
  MonitorLink(const MonitorLink&) = delete;
  MonitorLink& operator=(const MonitorLink&) = delete;

  // Opens the monitor's mutex and mapping and maps a view of the whole
  // mapping. True when a usable view exists; a view too small for the block
  // is given up again, and the link stays standalone. Called once at start:
  // a monitor started later is met at the next program start.
  bool Open();

  // Each copies the whole block under the monitor's mutex and returns
  // whether it did. Standalone, without the mutex, or when the wait fails,
  // nothing is copied and the destination keeps its bytes.
  bool ReadBlock(SettingsRecord& dest);
  bool WriteBlock(const SettingsRecord& src);

  // Posts WM_MONITOR_APPLY with `kind` (MonitorApplyKind) to the monitor's
  // window. False when there is no such window or the post failed, so the
  // caller does not wait for an answer that cannot come.
  bool NotifyApply(WPARAM kind);

  // Unmaps the view and closes both handles; the destructor does the same.
  void Close();

  bool IsConnected() const { return static_cast<bool>(view_); }

 private:
  // Runs `copy` while holding the mutex; false when the lock was not had.
  template <typename Copy>
  bool WithBlockLocked(Copy copy);

  MonitorNames names_;
  KernelHandle mutex_;
  KernelHandle mapping_;
  MappedView view_;
};

// The size of the mapped memory from `address` to the end of its view.
std::size_t MappedViewSize(const void* address);
