#pragma once
// Keyboard focus by Tab, for windows whose controls the dialog manager
// cannot order: skinned controls keep out of its tabbing, and a window of
// pages wants its own reading order. A control takes part when it is shown
// and enabled and its WM_GETDLGCODE asks for keys (anything but nothing or
// a label's DLGC_STATIC). Focus marks follow the platform's rule for the
// keyboard cues: hidden until the keyboard moves the focus.
#include <windows.h>

#include <optional>
#include <span>
#include <vector>

enum class FocusStep { Forward, Backward };

// Whether Tab stops at `control`: shown (whatever its top-level window,
// which may not show yet), enabled and asking for keys.
bool IsFocusStop(HWND control);
// Whether `window`'s own style shows it.
bool IsShown(HWND window);
// Appends the stops among `container`'s shown descendants in reading
// order: rows from the top, each left to right. A stop's own children (a
// list's editor, a slider's thumb) are part of it.
void AppendFocusStops(HWND container, std::vector<HWND>& stops);
// The stop after `from` in `stops` (or before it), wrapping around; the
// first (last) when `from` is none of them and no window of theirs. Null
// for no stops.
HWND NextFocusStop(std::span<const HWND> stops, HWND from, FocusStep step);

// The step a Tab or Shift+Tab press in `msg` asks for; none for any other
// message (Ctrl+Tab and Alt+Tab among them).
std::optional<FocusStep> TabStep(const MSG& msg);
// Gives the focus to the stop `step` away from the focused window and shows
// the focus marks from then on.
void MoveFocus(std::span<const HWND> stops, FocusStep step);

// The focus marks of `window`'s top-level window shown from now on: the
// keyboard has been used there.
void ShowFocusMarks(HWND window);
// Removes what ShowFocusMarks left on `window`, which is going.
void ForgetFocusMarks(HWND window);
// Whether `control` draws its focus mark: it has the focus, and the keyboard
// has moved the focus in its window or the user's setting shows the cues
// always.
bool ShowsFocusMark(HWND control);
// The skins' focus mark: an outline of `rect` in `colour`.
void DrawFocusMark(HDC dc, const RECT& rect, COLORREF colour);
