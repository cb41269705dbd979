#include "macro_buttons.h"

#include <cstdlib>
#include <cstring>
#include <span>

#include "macro_name.h"
#include "model/assignment.h"
#include "model/function_codes.h"
#include "model/text.h"

namespace {

// Delays this close are the same pause: recording never hits a millisecond.
constexpr int kDelayToleranceMs = 50;

std::unique_ptr<tagElement> ZeroElement() {
  auto element = std::make_unique<tagElement>();
  std::memset(element.get(), 0, sizeof(tagElement));
  return element;
}

MacroEvent ButtonEvent(const ButtonRecord& button, int i) {
  MacroEvent event;
  std::memcpy(&event, button.Entries[i], sizeof event);
  return event;
}

bool SameEvent(const MacroEvent& a, const MacroEvent& b) {
  return a.code == b.code && a.state == b.state && std::abs(a.delay - b.delay) <= kDelayToleranceMs;
}

bool SameMacro(const tagElement& element, const ButtonRecord& button) {
  const int count = ValidEventCount(element);
  if (count != ValidEntryCount(button) || element.repeat != button.RepeatCount) return false;
  for (int i = 0; i < count; ++i)
    if (!SameEvent(element.events[i], ButtonEvent(button, i))) return false;
  return true;
}

// The button's name as it is matched: as a macro made from it would hold
// it, so that such a macro is found again; white space the element's name
// would lose does not count either, and a name of nothing else is no name.
std::u16string_view MatchName(const ButtonRecord& button) {
  return TrimWhiteSpace(TextOf(button.Name).substr(0, kNameMaxChars));
}

void TakeEventsFrom(tagElement& element, const ButtonRecord& button) {
  std::memcpy(element.events, button.Entries, sizeof element.events);
  element.count = ValidEntryCount(button);
  element.repeat = button.RepeatCount;
}

}  // namespace

std::unique_ptr<tagElement> NewMacro(std::u16string_view name) {
  auto element = ZeroElement();
  SetText(element->name, name);
  return element;
}

std::unique_ptr<tagElement> MacroFromButton(const ButtonRecord& button) {
  auto element = ZeroElement();
  SetText(element->name, TextOf(button.Name), kNameMaxChars);
  element->repeat = button.RepeatCount;
  element->count = ValidEntryCount(button);
  std::memcpy(element->events, button.Entries, static_cast<std::size_t>(element->count) * sizeof(MacroEvent));
  return element;
}

void RepairElement(tagElement& element) {
  TerminateText(element.name);
  element.count = ValidEventCount(element);
}

bool CopyMacroToButton(const tagElement* element, SettingsRecord& settings, int button) {
  if (!element) return false;
  const MacroData macro{
      TextOf(element->name), element->repeat, element->count,
      std::span<const std::uint8_t, sizeof element->events>(reinterpret_cast<const std::uint8_t*>(element->events),
                                                            sizeof element->events)};
  return AssignMacro(settings, button, &macro);
}

MacroMatch FindMacroForButton(const MacroList& list, const ButtonRecord& button) {
  const std::u16string_view name = MatchName(button);
  for (int i = 0; i < list.Count(); ++i) {
    const tagElement& element = *list.ElementAt(i);
    if (EqualIgnoringCase(TrimWhiteSpace(TextOf(element.name)), name))
      return {true, i, SameMacro(element, button)};
  }
  return {};
}

void ReconcileWithButtons(MacroList& list, const SettingsRecord& settings) {
  for (const ProfileRecord& profile : settings.Profiles) {
    for (const ButtonRecord& button : profile.MacroKeyInfo) {
      // A button without a name names no macro: it adds and changes nothing.
      if (button.FunctionCode != kFnMacro || MatchName(button).empty()) continue;
      const MacroMatch match = FindMacroForButton(list, button);
      if (!match.found) {
        list.Append(MacroFromButton(button));
      } else if (!match.same) {
        TakeEventsFrom(*list.ElementAt(match.index), button);
      }
    }
  }
}
