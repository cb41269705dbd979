#pragma once
// What a screen reader hears of a skinned control. The system's standard
// object for a window knows its place, focus and children, but takes an
// owner-drawn or home-made control for a bare client area (or, for an
// edit, looks for a label the skinned pages do not have). A control that
// describes itself answers WM_GETOBJECT for its client area with an object
// that says its role, name, checked state and value, and leaves everything
// else to the standard one.
#include <windows.h>

#include <optional>
#include <string>

#include "framework/window.h"

enum class AccessibleRole { StaticText, PushButton, CheckBox, RadioButton, Link, Slider, Indicator, List, Text };

struct AccessibleFacts {
  AccessibleRole role = AccessibleRole::StaticText;
  // A check box's or choice's mark; a push button's pressed look.
  bool checked = false;
  // None: the window's text is the name.
  std::optional<std::wstring> name{};
  // None: the standard object's value.
  std::optional<std::wstring> value{};
};

// A control that describes itself. Asked afresh at every question, so a
// screen reader hears what the control shows now; a window that is gone
// leaves the questions to the standard object.
class AccessibleSource {
 public:
  virtual AccessibleFacts Describe() const = 0;

 protected:
  ~AccessibleSource() = default;
};

// The answer of `control` (an AccessibleSource's window) to WM_GETOBJECT
// for its client area; 0, the system's default, when no object can be made.
LRESULT AccessibleClientObject(HWND control, WPARAM flags);

namespace msg {

// The WM_GETOBJECT row of a control that describes itself: its client area
// answered with its own object; any other object left to the system (0, as
// the default procedures of these controls answer). The id is a DWORD
// however wide lParam is.
constexpr MessageEntry AccessibleClient() {
  return MessageRow(WM_GETOBJECT, [](CWnd& w, WPARAM flags, LPARAM id) -> LRESULT {
    return static_cast<LONG>(static_cast<DWORD>(id)) == OBJID_CLIENT ? AccessibleClientObject(w.Hwnd(), flags) : 0;
  });
}

}  // namespace msg
