#pragma once
// Macros and the macro buttons (function code 16) that carry copies of them.
#include <memory>
#include <string_view>

#include "macro_element.h"
#include "macro_list.h"
#include "model/settings_record.h"

// A zero-filled element with the name (at most 49 characters).
std::unique_ptr<tagElement> NewMacro(std::u16string_view name);
// A zero-filled element with the button's name (at most 18 characters),
// repeat count and valid events.
std::unique_ptr<tagElement> MacroFromButton(const ButtonRecord& button);
// Makes an element read from a file safe to use: the name ends within its
// buffer and the count is 0-40. A sound element passes unchanged.
void RepairElement(tagElement& element);

// Assigns the macro to the selected button of the current profile. Null (no
// such macro), a button outside 0-14 or a profile outside 0-4 write nothing.
bool CopyMacroToButton(const tagElement* element, SettingsRecord& settings, int button);

struct MacroMatch {
  bool found = false;
  int index = -1;     // position of the first element with the button's name
  bool same = false;  // it also has the button's repeat count and events
};

// Names match when equal without surrounding white space and letter case.
// Events match when code and state are equal and the delays are at most
// 50 ms apart.
MacroMatch FindMacroForButton(const MacroList& list, const ButtonRecord& button);

// Completes the list from the macro buttons of all profiles, profile by
// profile and button by button: an unknown name is appended, a known name
// with other events takes the button's events, count and repeat. Never
// removes a macro and never changes a button.
void ReconcileWithButtons(MacroList& list, const SettingsRecord& settings);
