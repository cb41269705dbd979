#pragma once
// A window's control reached as the user meets it: at its place, the
// middle of its key in the window's layout file of the skin.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/window.h"

// The middle of key `key` of the skin's layout file `layout`.
POINT LayoutMiddle(const wchar_t* layout, int key);
// Of the `layer`-th visible child of `window` at `at`, counted from the top
// (key 0 of the main window stacks four labels), the child itself or the
// first window inside it that `wanted` takes (a list in its scroll frame).
CWnd* FindControlAt(HWND window, POINT at, int layer, bool (*wanted)(CWnd*));

// The control of type T there; a failure of the test, and a control
// without a window, when there is none.
template <class T>
T& ControlAt(HWND window, POINT at, int layer = 0) {
  if (CWnd* found = FindControlAt(window, at, layer, [](CWnd* c) { return dynamic_cast<T*>(c) != nullptr; }))
    return dynamic_cast<T&>(*found);
  ADD_FAILURE() << "no such control at " << at.x << "," << at.y;
  static T none;
  return none;
}
template <class T>
T& ControlAt(HWND window, const wchar_t* layout, int key, int layer = 0) {
  return ControlAt<T>(window, LayoutMiddle(layout, key), layer);
}
