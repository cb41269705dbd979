// The macro manager's editor fed any macro, any keys of the capture and any
// edits of the context menu, in any order: at most 40 events, every pause
// line 1-65535 ms, the list's lines naming events that exist, the line kept
// in view inside the list, and the typed numbers and names within bounds.
#include <cstring>

#include "fuzz_check.h"
#include "macro/macro_editor.h"
#include "macro/macro_name.h"
#include "tests/unit/fixed_layouts.h"

namespace {

constexpr int kMaxSteps = 64;

enum class Step { Load, Clear, Insert, Record, Begin, Pause, Delete, Mouse, SetPause, Delays, Lines, kMaxValue = Lines };

tagElement AnyElement(FuzzedDataProvider& input) {
  tagElement element;
  std::memset(&element, 0, sizeof element);
  const std::string bytes = input.ConsumeRandomLengthString(sizeof element);
  std::memcpy(&element, bytes.data(), bytes.size());
  return element;
}

void CheckEditor(MacroEditor& editor, const KeyboardLayout& layout, int& lineCount) {
  tagElement saved{};
  editor.SaveEvents(saved);
  FUZZ_CHECK(saved.count >= 0 && saved.count <= kMaxEntries);
  const std::vector<EventLine> lines = editor.Lines(layout);
  lineCount = static_cast<int>(lines.size());
  for (const EventLine& line : lines) {
    FUZZ_CHECK(line.event >= 0 && line.event < saved.count);
    if (line.kind == EventLine::Kind::Pause) FUZZ_CHECK(saved.events[line.event].delay >= 1);
  }
  const int caret = editor.CaretLine(lineCount);
  FUZZ_CHECK(lineCount == 0 ? caret == -1 : caret >= 0 && caret < lineCount);
  tagElement repeat{};
  editor.SaveRepeat(repeat);
  FUZZ_CHECK(repeat.repeat >= 1 && repeat.repeat <= kMaxRepeatCount);
}

void CheckTypedText(std::u16string_view typed) {
  const int repeat = RepeatFromText(typed);
  const int pause = PauseFromText(typed);
  FUZZ_CHECK(repeat >= 1 && repeat <= kMaxRepeatCount && pause >= 1 && pause <= kMaxPauseMs);
  const std::u16string name = NewMacroName(MacroList(), typed);
  FUZZ_CHECK(name.size() <= kMacroNameLimit && TrimWhiteSpace(name) == name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FixedLayout us = UsLayout(), german = GermanLayout();
  FuzzedDataProvider input(data, size);
  CheckTypedText(ConsumeText(input, 24));
  const KeyboardLayout& layout = input.ConsumeBool() ? us : german;
  MacroEditor editor;
  int lineCount = 0;
  for (int step = 0; step < kMaxSteps && input.remaining_bytes() > 0; ++step) {
    // Lines and events as the page addresses them: mostly real ones.
    const int line = input.ConsumeIntegralInRange(-2, lineCount + 1);
    const int k = input.ConsumeIntegralInRange(-1, kMaxEntries + 2);
    switch (input.ConsumeEnum<Step>()) {
      case Step::Load: {
        const tagElement element = AnyElement(input);
        editor.Load(input.ConsumeBool() ? &element : nullptr);
        break;
      }
      case Step::Clear: editor.Clear(); break;
      case Step::Insert:
        editor.Insert({input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
                       input.ConsumeIntegral<std::uint16_t>()});
        break;
      case Step::Record: {
        tagElement before{};
        editor.SaveEvents(before);
        const KeyRecorded recorded = editor.RecordKey(input.ConsumeIntegral<std::uint32_t>(),
                                                      input.ConsumeIntegral<std::uint32_t>(),
                                                      input.ConsumeIntegral<std::uint32_t>(), layout);
        tagElement after{};
        editor.SaveEvents(after);
        if (recorded == KeyRecorded::Repeat)
          FUZZ_CHECK(after.count == before.count);
        else
          FUZZ_CHECK((recorded == KeyRecorded::Full) == (after.count == kMaxEntries));
        break;
      }
      case Step::Begin: editor.BeginRecording(input.ConsumeIntegral<int>()); break;
      case Step::Pause: editor.InsertPause(line, k, input.ConsumeBool()); break;
      case Step::Delete: editor.DeleteLine(line, k, input.ConsumeBool()); break;
      case Step::Mouse:
        editor.InsertMouseButton(input.ConsumeIntegralInRange(kFirstMouseCommand - 1, kLastMouseCommand + 1), line, k);
        break;
      case Step::SetPause: editor.SetPause(k - 1, input.ConsumeIntegral<int>()); break;
      case Step::Delays: editor.recordDelays = input.ConsumeBool(); break;
      case Step::Lines: (void)editor.CaretLine(input.ConsumeIntegral<int>()); break;
    }
    CheckEditor(editor, layout, lineCount);
  }
  return 0;
}
