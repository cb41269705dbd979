#include "link/monitor_link.h"

#include <cstring>
#include <utility>

namespace {

// Access rights the monitor's objects are opened with.
constexpr DWORD kMutexAccess = MUTEX_ALL_ACCESS;
constexpr DWORD kMappingAccess = FILE_MAP_READ | FILE_MAP_WRITE;
constexpr DWORD kViewAccess = FILE_MAP_ALL_ACCESS;

}  // namespace

std::size_t MappedViewSize(const void* address) {
  MEMORY_BASIC_INFORMATION info{};
  if (VirtualQuery(address, &info, sizeof info) != sizeof info) return 0;
  return info.RegionSize;
}

MonitorLink::MonitorLink(MonitorNames names) : names_(std::move(names)) {}

bool MonitorLink::Open() {
  Close();
  mutex_.Reset(OpenMutexW(kMutexAccess, FALSE, names_.mutex.c_str()));
  mapping_.Reset(OpenFileMappingW(kMappingAccess, FALSE, names_.mapping.c_str()));
  if (!mapping_) return false;

  view_.Reset(MapViewOfFile(mapping_.Get(), kViewAccess, 0, 0, 0));
  if (!view_) {
    OutputDebugStringW(L"Could not map view of file.");
    return false;
  }
  // A monitor whose mapping cannot hold the whole block is not trusted with
  // it: every copy would run past the end of the view.
  if (MappedViewSize(view_.Get()) < sizeof(SettingsRecord)) {
    OutputDebugStringW(L"Shared settings block is smaller than the settings record.");
    view_.Reset();
    return false;
  }
  return true;
}

template <typename Copy>
bool MonitorLink::WithBlockLocked(Copy copy) {
  // A null mutex handle makes the wait fail at once.
  switch (WaitForSingleObject(mutex_.Get(), INFINITE)) {
    case WAIT_OBJECT_0:
      if (view_) copy(view_.Get());
      ReleaseMutex(mutex_.Get());
      return static_cast<bool>(view_);
    case WAIT_ABANDONED:
      // The last owner died holding the lock, maybe halfway through a copy:
      // the block is suspect, so copy nothing, but hand the lock back so
      // the monitor is not shut out for good.
      ReleaseMutex(mutex_.Get());
      return false;
    default:
      return false;
  }
}

bool MonitorLink::ReadBlock(SettingsRecord& dest) {
  return WithBlockLocked([&dest](const void* block) { std::memcpy(&dest, block, sizeof dest); });
}

bool MonitorLink::WriteBlock(const SettingsRecord& src) {
  return WithBlockLocked([&src](void* block) { std::memcpy(block, &src, sizeof src); });
}

bool MonitorLink::NotifyApply(WPARAM kind) {
  HWND monitor = FindWindowW(nullptr, names_.monitorWindow.c_str());
  if (!monitor) return false;
  return PostMessageW(monitor, WM_MONITOR_APPLY, kind, 0) != FALSE;
}

void MonitorLink::Close() {
  view_.Reset();
  mapping_.Reset();
  mutex_.Reset();
}
