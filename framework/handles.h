#pragma once
// One owner per system handle: the handle is released in exactly one place,
// whichever way its owner goes away.
#include <windows.h>

#include <utility>

// Traits: `Type`, `Invalid()` and `Close(Type)`.
template <class Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Type Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }

  // Takes ownership of `handle`, closing what was held before.
  void Reset(Type handle = Traits::Invalid()) {
    if (handle_ != Traits::Invalid() && handle_ != handle) Traits::Close(handle_);
    handle_ = handle;
  }
  // Gives up ownership without closing.
  Type Release() { return std::exchange(handle_, Traits::Invalid()); }

 private:
  Type handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { CloseHandle(h); }
};
// Mutexes, mappings, events, processes: null when absent.
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { CloseHandle(h); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

// A search from FindFirstFileW: INVALID_HANDLE_VALUE when nothing matched.
struct FileSearchTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { FindClose(h); }
};
using FileSearch = UniqueHandle<FileSearchTraits>;

// A view from MapViewOfFile.
struct MappedViewTraits {
  using Type = void*;
  static Type Invalid() { return nullptr; }
  static void Close(Type view) { UnmapViewOfFile(view); }
};
using MappedView = UniqueHandle<MappedViewTraits>;

struct HookTraits {
  using Type = HHOOK;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { UnhookWindowsHookEx(h); }
};
using HookHandle = UniqueHandle<HookTraits>;

struct ModuleTraits {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { FreeLibrary(h); }
};
using ModuleHandle = UniqueHandle<ModuleTraits>;

struct GlobalMemoryTraits {
  using Type = HGLOBAL;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { GlobalFree(h); }
};
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;

struct WindowTraits {
  using Type = HWND;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { DestroyWindow(h); }
};
// A window with no C++ object of its own (a tooltip, for instance).
using OwnedWindow = UniqueHandle<WindowTraits>;

// A window's timer, stopped by its owner. A timer of a window already gone
// went with it; stopping it then does nothing.
class WindowTimer {
 public:
  WindowTimer() = default;
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer() { Stop(); }

  // Replaces the running timer, if any.
  void Start(HWND window, UINT_PTR id, UINT milliseconds) {
    Stop();
    if (SetTimer(window, id, milliseconds, nullptr)) {
      window_ = window;
      id_ = id;
    }
  }
  void Stop() {
    if (window_) KillTimer(window_, id_);
    window_ = nullptr;
  }
  bool Running() const { return window_ != nullptr; }
  UINT_PTR Id() const { return window_ ? id_ : 0; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};
