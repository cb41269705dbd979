#pragma once
// What the macro manager page edits, without its windows: the selected
// macro's events, where recorded and inserted events go, the lines its
// event list shows, and the page's rules for names, pauses and the repeat
// count. Lines are addressed as the event list holds them: line index and
// k, the index of the line's event plus one.
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "macro_element.h"
#include "macro_list.h"

class KeyboardLayout;

inline constexpr int kMacroNameLimit = 15;
inline constexpr int kMaxRepeatCount = 255;
inline constexpr int kMaxPauseMs = 65535;

struct EventLine {
  enum class Kind { KeyPressed, KeyReleased, MouseButton, Pause };
  Kind kind;
  int event;
  std::u16string text;
};

// The first macro whose name is `name`, letter case and surrounding blanks
// aside; -1 for none.
int FindMacroByName(const MacroList& list, std::u16string_view name);

// A new macro's name as typed: without surrounding blanks, at most 15
// characters; empty when it is no name or another macro has it (letter
// case and blanks aside).
std::u16string NewMacroName(const MacroList& list, std::u16string_view typed);

// The numbers typed into the page, held within their ranges.
int RepeatFromText(std::u16string_view text);  // 1-255
int PauseFromText(std::u16string_view text);   // 1-65535

enum class KeyRecorded { Repeat, Added, Full };

class MacroEditor {
 public:
  // The macro's events and repeat count, or an empty macro without one.
  void Load(const tagElement* element);
  void SaveEvents(tagElement& element) const;
  void SaveRepeat(tagElement& element) const;

  // Empties the macro, for a recording from scratch.
  void Clear();
  // Puts an event at the insertion point (or the end); false when full.
  bool Insert(MacroEvent event);

  // A recording starts; its events go to `insertPosition` (-1: the end).
  void BeginRecording(int insertPosition);
  // A key of the keyboard capture while recording (the hook's virtual key
  // and flags, the tick count now). A full macro ends the recording.
  KeyRecorded RecordKey(std::uint32_t vk, std::uint32_t flags, std::uint32_t tick, const KeyboardLayout& layout);

  // The event list: a line per event, a pause line after each event with a
  // delay. Notes the line of the focus event.
  std::vector<EventLine> Lines(const KeyboardLayout& layout);
  // The line to scroll to among `lineCount`, so two lines after the focus
  // line stay in view.
  int CaretLine(int lineCount) const;

  // The context menu's edits on line `line` (-1 for none) of event k - 1.
  // Each says whether the macro changed.
  bool InsertPause(int line, int k, bool pauseLine);
  bool DeleteLine(int line, int k, bool pauseLine);
  bool InsertMouseButton(int command, int line, int k);
  // The pause after event `event`, edited in place.
  bool SetPause(int event, int ms);

  const MacroEvent* Events() const { return events_; }

  bool repeatOn = false;
  int repeatValue = 1;
  bool recordDelays = false;

 private:
  MacroEvent events_[kMaxEntries]{};
  int count_ = 0;
  int insertPosition_ = -1;
  int focusEvent_ = -1;
  int focusLine_ = -1;
  bool hasPrevious_ = false;
  // The capture's last key, to drop the repeats of a held key.
  std::optional<std::pair<std::uint32_t, std::uint32_t>> lastKey_;
  std::uint32_t lastTick_ = 0;
};

// The context menu's mouse-button commands: three (press, release, click)
// per button, in this order of buttons.
inline constexpr int kFirstMouseCommand = 1020;
inline constexpr std::uint8_t kMenuMouseButtons[] = {kMacroMouseLeft, kMacroMouseRight, kMacroMouseMiddle,
                                                    kMacroMouseButton5, kMacroMouseButton4};
inline constexpr int kLastMouseCommand = kFirstMouseCommand + 3 * std::size(kMenuMouseButtons) - 1;
