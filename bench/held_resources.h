#pragma once
// What this process holds of the system: kernel handles, GDI and USER
// objects and private bytes, each with how it was counted (where the
// platform does not count it, it is counted from the handles themselves).
#include <windows.h>

#include <cstdint>
#include <string>

struct HeldCount {
  std::uint64_t value = 0;
  std::string method;
};

struct HeldResources {
  HeldCount handles, gdiObjects, userObjects, privateBytes;
};

HeldResources MeasureHeldResources();
