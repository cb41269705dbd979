#include "macro_editor.h"

#include <algorithm>
#include <cstring>

#include "macro_name.h"
#include "model/decimal.h"
#include "model/key_codes.h"
#include "model/key_names.h"
#include "model/text.h"

namespace {

constexpr std::uint32_t kVkReturn = 0x0D;
// The capture hook's flags.
constexpr std::uint32_t kKeyExtended = 0x01;
constexpr std::uint32_t kKeyReleased = 0x80;
// Virtual keys of the mouse buttons, the same numbers as their codes.
constexpr std::uint32_t kFirstMouseVk = 0xF1;
constexpr std::uint32_t kLastMouseVk = 0xF5;

bool IsMouseButton(std::uint8_t code, const KeyboardLayout& layout) {
  std::uint32_t vk = 0;
  UsageToVk(code, vk, layout);
  return vk >= kFirstMouseVk && vk <= kLastMouseVk;
}

}  // namespace

int FindMacroByName(const MacroList& list, std::u16string_view name) {
  name = TrimWhiteSpace(name);
  for (int i = 0; i < list.Count(); ++i)
    if (EqualIgnoringCase(TrimWhiteSpace(TextOf(list.ElementAt(i)->name)), name)) return i;
  return -1;
}

std::u16string NewMacroName(const MacroList& list, std::u16string_view typed) {
  const std::u16string_view name = TrimWhiteSpace(TrimWhiteSpace(typed).substr(0, kMacroNameLimit));
  if (name.empty() || FindMacroByName(list, name) >= 0) return {};
  return std::u16string(name);
}

int RepeatFromText(std::u16string_view text) { return std::clamp(ParseDecimal(text), 1, kMaxRepeatCount); }

int PauseFromText(std::u16string_view text) { return std::clamp(ParseDecimal(text), 1, kMaxPauseMs); }

void MacroEditor::Load(const tagElement* element) {
  if (element) {
    std::memcpy(events_, element->events, sizeof events_);
    count_ = ValidEventCount(*element);
    repeatValue = element->repeat;
    // Repeating off is stored as 1: only a count above 1 repeats.
    repeatOn = element->repeat > 1;
  } else {
    count_ = 0;
    repeatValue = 1;
    repeatOn = false;
  }
  repeatValue = std::clamp(repeatValue, 1, kMaxRepeatCount);
  focusEvent_ = count_ - 1;
  focusLine_ = -1;
}

void MacroEditor::SaveEvents(tagElement& element) const {
  std::memcpy(element.events, events_, sizeof events_);
  element.count = count_;
}

void MacroEditor::SaveRepeat(tagElement& element) const { element.repeat = repeatOn ? repeatValue : 1; }

void MacroEditor::Clear() {
  std::fill(std::begin(events_), std::end(events_), MacroEvent{});
  count_ = 0;
  insertPosition_ = -1;
}

bool MacroEditor::Insert(MacroEvent event) {
  if (count_ >= kMaxEntries) return false;
  const int index = insertPosition_ < 0 || insertPosition_ > count_ ? count_ : insertPosition_;
  std::copy_backward(events_ + index, events_ + count_, events_ + count_ + 1);
  events_[index] = event;
  ++count_;
  if (insertPosition_ != -1) insertPosition_ = index + 1;
  focusEvent_ = index;
  return true;
}

void MacroEditor::BeginRecording(int insertPosition) {
  insertPosition_ = insertPosition;
  hasPrevious_ = false;
  lastKey_.reset();
}

KeyRecorded MacroEditor::RecordKey(std::uint32_t vk, std::uint32_t flags, std::uint32_t tick,
                                   const KeyboardLayout& layout) {
  // A held key repeats its press: only the first counts.
  if (lastKey_ == std::pair{vk, flags}) return KeyRecorded::Repeat;
  lastKey_ = std::pair{vk, flags};
  if (vk == kVkReturn && (flags & kKeyExtended)) vk = kVkKeypadEnter;
  std::uint32_t usage = 0;
  VkToUsage(vk, usage, layout);
  if (hasPrevious_ && recordDelays) {
    // The tick count wraps; the difference does not.
    const std::uint32_t pause = std::min<std::uint32_t>(tick - lastTick_, kMaxPauseMs);
    const int before = insertPosition_ == -1 ? count_ - 1 : insertPosition_ - 1;
    if (before >= 0 && before < count_) events_[before].delay = static_cast<std::uint16_t>(pause);
  }
  Insert({static_cast<std::uint8_t>(usage), (flags & kKeyReleased) ? kMacroReleased : kMacroPressed, 0});
  lastTick_ = tick;
  hasPrevious_ = true;
  return count_ == kMaxEntries ? KeyRecorded::Full : KeyRecorded::Added;
}

std::vector<EventLine> MacroEditor::Lines(const KeyboardLayout& layout) {
  std::vector<EventLine> lines;
  for (int i = 0; i < count_; ++i) {
    const MacroEvent& event = events_[i];
    const bool released = event.state == kMacroReleased;
    std::u16string name = UsageName(event.code, layout);
    if (IsMouseButton(event.code, layout)) {
      lines.push_back({EventLine::Kind::MouseButton, i, name + (released ? u" Up" : u" Down")});
    } else {
      lines.push_back({released ? EventLine::Kind::KeyReleased : EventLine::Kind::KeyPressed, i, std::move(name)});
    }
    if (event.delay) lines.push_back({EventLine::Kind::Pause, i, FormatDecimal(event.delay) + u" ms"});
    if (i == focusEvent_) focusLine_ = static_cast<int>(lines.size()) - 1;
  }
  return lines;
}

int MacroEditor::CaretLine(int lineCount) const {
  if (lineCount <= 0) return -1;
  const int focus = focusLine_ < 0 || focusLine_ >= lineCount ? lineCount - 1 : focusLine_;
  return focus > 3 && focus < lineCount - 3 ? focus + 2 : focus;
}

bool MacroEditor::InsertPause(int line, int k, bool pauseLine) {
  // Between the selected event and the one before it.
  if (line < 0 || pauseLine || k < 2 || k > count_) return false;
  MacroEvent& before = events_[k - 2];
  if (before.delay) return false;
  before.delay = 1;
  focusEvent_ = k - 2;
  focusLine_ = line - 1;
  return true;
}

bool MacroEditor::DeleteLine(int line, int k, bool pauseLine) {
  if (line < 0 || k < 1 || k > count_) return false;
  if (pauseLine) {
    events_[k - 1].delay = 0;
  } else {
    std::copy(events_ + k, events_ + count_, events_ + k - 1);
    events_[--count_] = {};
  }
  focusEvent_ = k - 1;
  focusLine_ = line;
  return true;
}

bool MacroEditor::InsertMouseButton(int command, int line, int k) {
  const int offset = command - kFirstMouseCommand;
  if (offset < 0 || command > kLastMouseCommand || count_ >= kMaxEntries) return false;
  const std::uint8_t code = kMenuMouseButtons[offset / 3];
  insertPosition_ = line < 0 ? -1 : k - 1;
  switch (offset % 3) {
    case 0: return Insert({code, kMacroPressed, 0});
    case 1: return Insert({code, kMacroReleased, 0});
    default:
      // A click is both or nothing.
      if (count_ > kMaxEntries - 2) return false;
      Insert({code, kMacroPressed, 0});
      return Insert({code, kMacroReleased, 0});
  }
}

bool MacroEditor::SetPause(int event, int ms) {
  if (event < 0 || event >= count_) return false;
  events_[event].delay = static_cast<std::uint16_t>(std::clamp(ms, 1, kMaxPauseMs));
  return true;
}
