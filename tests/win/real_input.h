#pragma once
// Real input for the tests that drive windows as a user would: it goes
// through the system's input queue to whatever window is under the pointer
// or has the focus.
#include <windows.h>

inline void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// A key pressed and released.
inline void TapKey(WORD vk) {
  INPUT inputs[2]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

// `modifier` held while `key` is tapped, as a user types a shortcut.
inline void TapKeysHeld(WORD modifier, WORD key) {
  INPUT inputs[4]{};
  const WORD order[] = {modifier, key, key, modifier};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = order[i];
    inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, inputs, sizeof(INPUT));
}
