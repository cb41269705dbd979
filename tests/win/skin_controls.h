#pragma once
// A window's control reached as the user meets it: by its place, the
// middle of its key in the window's layout file of the skin.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/window.h"

// The middle of key `key` of the skin's layout file `layout`.
POINT LayoutMiddle(const wchar_t* layout, int key);

// The object of the control at `at` of `window`'s client area that `wanted`
// takes: the `layer`-th visible child there, counted from the top (key 0
// of the main window stacks four labels), or the first window inside it
// that is one (a list inside its scroll frame); null for none.
CWnd* FindControlAt(HWND window, POINT at, int layer, bool (*wanted)(CWnd*));

// The control of type T there; a failure of the test and a control
// without a window when there is none.
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
