#pragma once
// The parameters of the private messages, read at their full width. Any
// program may post them with any value: a number no int holds becomes
// INT_MIN or INT_MAX, which the range checks after it refuse or clamp,
// instead of being cut to its low 32 bits, which one of them could pass.
#include <windows.h>

#include <algorithm>
#include <climits>

constexpr int IntParam(LPARAM value) { return static_cast<int>(std::clamp<LPARAM>(value, INT_MIN, INT_MAX)); }
// A WPARAM holds what the sender cast to it, negative numbers too.
constexpr int IntParam(WPARAM value) { return IntParam(static_cast<LPARAM>(value)); }

// A point packed in an LPARAM (client or screen coordinates, signed).
inline POINT PointParam(LPARAM at) { return {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}; }
