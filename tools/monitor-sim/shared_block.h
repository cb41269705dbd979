#pragma once
// The monitor's side of the shared settings block: the mapping and the mutex
// created (as the monitor does) or opened (by the one-shot client modes).
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/monitor_names.h"
#include "framework/handles.h"

class SharedBlock {
 public:
  // Creates the mapping of `size` bytes and, unless `withMutex` is false,
  // the mutex. Empty when either already exists: another monitor runs.
  static std::optional<SharedBlock> Create(const MonitorNames& names, std::size_t size, bool withMutex);
  // Opens a running monitor's objects; empty when the mapping is missing.
  static std::optional<SharedBlock> Open(const MonitorNames& names);

  std::size_t size() const { return size_; }
  bool hasMutex() const { return static_cast<bool>(mutex_); }

  // Copies the whole block out or `bytes` in (at most the block's size),
  // under the mutex when there is one. False when the lock was not had
  // within `timeoutMs`.
  bool Read(std::vector<std::uint8_t>& bytes, DWORD timeoutMs = INFINITE);
  bool Write(std::span<const std::uint8_t> bytes, DWORD timeoutMs = INFINITE);

  // Takes the mutex and never gives it back: the process ends owning it.
  bool LockForever(DWORD timeoutMs);

 private:
  SharedBlock() = default;
  bool Lock(DWORD timeoutMs);
  void Unlock();

  KernelHandle mutex_;
  KernelHandle mapping_;
  MappedView view_;
  std::size_t size_ = 0;
};
