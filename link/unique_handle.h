#pragma once
// Owning wrappers for Win32 resources: each is released exactly once, by
// reset() or by the destructor, whichever comes first.
#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueResource {
 public:
  using Value = typename Traits::Value;

  UniqueResource() = default;
  explicit UniqueResource(Value value) : value_(value) {}
  ~UniqueResource() { reset(); }

  UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Value get() const { return value_; }
  explicit operator bool() const { return Traits::IsValid(value_); }

  // Gives up ownership without releasing.
  Value release() { return std::exchange(value_, Traits::Empty()); }

  void reset(Value value = Traits::Empty()) {
    Value old = std::exchange(value_, value);
    if (Traits::IsValid(old)) Traits::Release(old);
  }

 private:
  Value value_ = Traits::Empty();
};

// Kernel object handles. Some creators report failure as null, others
// (CreateFileW) as INVALID_HANDLE_VALUE: both count as empty.
struct KernelHandleTraits {
  using Value = HANDLE;
  static Value Empty() { return nullptr; }
  static bool IsValid(Value h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Release(Value h) { CloseHandle(h); }
};
using UniqueHandle = UniqueResource<KernelHandleTraits>;

// A view from MapViewOfFile.
struct MappedViewTraits {
  using Value = void*;
  static Value Empty() { return nullptr; }
  static bool IsValid(Value p) { return p != nullptr; }
  static void Release(Value p) { UnmapViewOfFile(p); }
};
using UniqueMappedView = UniqueResource<MappedViewTraits>;
