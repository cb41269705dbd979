#include "tools/monitor-sim/shared_block.h"

#include <algorithm>
#include <cstring>

#include "link/monitor_link.h"

std::optional<SharedBlock> SharedBlock::Create(const MonitorNames& names, std::size_t size, bool withMutex) {
  SharedBlock block;
  if (withMutex) {
    block.mutex_.Reset(CreateMutexW(nullptr, FALSE, names.mutex.c_str()));
    if (!block.mutex_ || GetLastError() == ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  const auto size64 = static_cast<unsigned long long>(size);
  block.mapping_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                          static_cast<DWORD>(size64 >> 32), static_cast<DWORD>(size64),
                                          names.mapping.c_str()));
  if (!block.mapping_ || GetLastError() == ERROR_ALREADY_EXISTS) return std::nullopt;
  block.view_.Reset(MapViewOfFile(block.mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, size));
  if (!block.view_) return std::nullopt;
  block.size_ = size;
  return block;
}

std::optional<SharedBlock> SharedBlock::Open(const MonitorNames& names) {
  SharedBlock block;
  block.mutex_.Reset(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, names.mutex.c_str()));
  block.mapping_.Reset(OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, names.mapping.c_str()));
  if (!block.mapping_) return std::nullopt;
  block.view_.Reset(MapViewOfFile(block.mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (!block.view_) return std::nullopt;
  // Opened by name the exact size is not known; the view's pages bound it,
  // and a record is all the block is meant to hold.
  block.size_ = std::min(MappedViewSize(block.view_.Get()), sizeof(SettingsRecord));
  return block;
}

bool SharedBlock::Lock(DWORD timeoutMs) {
  if (!mutex_) return true;
  // An abandoned mutex is ours now: the simulator carries on with it.
  const DWORD result = WaitForSingleObject(mutex_.Get(), timeoutMs);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void SharedBlock::Unlock() {
  if (mutex_) ReleaseMutex(mutex_.Get());
}

bool SharedBlock::Read(std::vector<std::uint8_t>& bytes, DWORD timeoutMs) {
  if (!Lock(timeoutMs)) return false;
  bytes.resize(size_);
  std::memcpy(bytes.data(), view_.Get(), size_);
  Unlock();
  return true;
}

bool SharedBlock::Write(std::span<const std::uint8_t> bytes, DWORD timeoutMs) {
  if (!Lock(timeoutMs)) return false;
  std::memcpy(view_.Get(), bytes.data(), std::min(bytes.size(), size_));
  Unlock();
  return true;
}

bool SharedBlock::LockForever(DWORD timeoutMs) { return mutex_ && Lock(timeoutMs); }
