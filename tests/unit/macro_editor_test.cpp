#include <gtest/gtest.h>

#include <vector>

#include "fixed_layouts.h"
#include "macro/macro_buttons.h"
#include "macro/macro_editor.h"

namespace {

constexpr std::uint32_t kReleased = 0x80;
constexpr std::uint32_t kExtended = 0x01;

struct Stroke {
  std::uint32_t vk, flags, tick;
};

// Records the strokes from scratch; what the last one gave.
KeyRecorded Record(MacroEditor& editor, const std::vector<Stroke>& strokes) {
  editor.BeginRecording(-1);
  KeyRecorded last = KeyRecorded::Repeat;
  for (const Stroke& s : strokes) last = editor.RecordKey(s.vk, s.flags, s.tick, UsLayout());
  return last;
}

std::vector<std::u16string> Texts(const std::vector<EventLine>& lines) {
  std::vector<std::u16string> texts;
  for (const EventLine& line : lines) texts.push_back(line.text);
  return texts;
}

MacroEditor WithPresses(int count) {
  MacroEditor editor;
  for (int i = 0; i < count; ++i) editor.Insert({4, kMacroPressed, 0});
  return editor;
}

}  // namespace

TEST(MacroEditor, RecordingKeepsOneStrokePerChangeAndThePausesBetween) {
  MacroEditor editor;
  editor.recordDelays = true;
  // A held down (its repeats), released, then B; the tick count wraps
  // between them, and one pause is longer than a delay can hold.
  Record(editor, {{'A', 0, 0xFFFFFF00}, {'A', 0, 0xFFFFFF40}, {'A', 0, 0xFFFFFF80}, {'A', kReleased, 0x00000010},
                  {'B', 0, 0x00020000}, {'B', kReleased, 0x00020005}});
  ASSERT_EQ(editor.Count(), 4);
  const MacroEvent* e = editor.Events();
  EXPECT_EQ((std::vector<int>{e[0].code, e[0].state, e[1].code, e[1].state, e[2].code, e[3].state}),
            (std::vector<int>{0x04, kMacroPressed, 0x04, kMacroReleased, 0x05, kMacroReleased}));
  EXPECT_EQ((std::vector<int>{e[0].delay, e[1].delay, e[2].delay, e[3].delay}),
            (std::vector<int>{0x110, kMaxPauseMs, 5, 0}));
  EXPECT_EQ(Texts(editor.Lines(UsLayout())),
            (std::vector<std::u16string>{u"A", u"272 ms", u"A", u"65535 ms", u"B", u"5 ms", u"B"}));

  // Without the toggle no pause is measured; Enter is told apart by its flag.
  MacroEditor plain;
  Record(plain, {{0x0D, 0, 1}, {0x0D, kExtended, 9}, {0x0D, kExtended | kReleased, 20}});
  EXPECT_EQ((std::vector<int>{plain.Events()[0].code, plain.Events()[1].code, plain.Events()[1].delay}),
            (std::vector<int>{0x28, 0x58, 0}));
}

TEST(MacroEditor, RecordingBeforeAnEventTimesTheOneJustRecorded) {
  MacroEditor editor = WithPresses(2);
  editor.recordDelays = true;
  editor.BeginRecording(1);
  editor.RecordKey('C', 0, 100, UsLayout());
  editor.RecordKey('C', kReleased, 130, UsLayout());
  const MacroEvent* e = editor.Events();
  EXPECT_EQ((std::vector<int>{e[0].code, e[1].code, e[2].code, e[3].code}), (std::vector<int>{4, 6, 6, 4}));
  EXPECT_EQ((std::vector<int>{e[0].delay, e[1].delay, e[2].delay}), (std::vector<int>{0, 30, 0}));
}

TEST(MacroEditor, TheFortiethEventEndsTheRecordingAndAFullMacroTakesNoMore) {
  MacroEditor editor;
  std::vector<Stroke> strokes;
  for (std::uint32_t i = 0; i < 20; ++i) strokes.insert(strokes.end(), {{'A' + i, 0, i}, {'A' + i, kReleased, i}});
  EXPECT_EQ(Record(editor, std::vector<Stroke>(strokes.begin(), strokes.end() - 1)), KeyRecorded::Added);
  EXPECT_EQ(editor.RecordKey(strokes.back().vk, strokes.back().flags, 0, UsLayout()), KeyRecorded::Full);
  EXPECT_FALSE(editor.Insert({4, kMacroPressed, 0}));
  EXPECT_EQ(editor.Count(), kMaxEntries);
}

TEST(MacroEditor, MouseButtonsGoInOnlyWhereTheyFit) {
  const int leftClick = kFirstMouseCommand + 2, rightPress = kFirstMouseCommand + 3;
  MacroEditor editor = WithPresses(39);
  EXPECT_FALSE(editor.InsertMouseButton(leftClick, -1, 0));
  EXPECT_TRUE(editor.InsertMouseButton(rightPress, -1, 0));
  EXPECT_EQ(editor.Count(), 40);
  EXPECT_EQ(editor.Events()[39].code, kMacroMouseRight);

  // A click before the selected event (k = 2): both halves, in order.
  MacroEditor two = WithPresses(2);
  ASSERT_TRUE(two.InsertMouseButton(leftClick, 1, 2));
  EXPECT_EQ(Texts(two.Lines(UsLayout())),
            (std::vector<std::u16string>{u"A", u"L Button Down", u"L Button Up", u"A"}));
}

TEST(MacroEditor, LinesEditedFromTheMenuAndTheLineKeptInView) {
  MacroEditor editor = WithPresses(3);
  EXPECT_FALSE(editor.InsertPause(0, 1, false)) << "no event before the first";
  EXPECT_TRUE(editor.InsertPause(2, 3, false));
  EXPECT_FALSE(editor.InsertPause(3, 3, false)) << "that pause is there already";
  EXPECT_EQ(editor.Events()[1].delay, 1);
  EXPECT_TRUE(editor.DeleteLine(2, 2, true));
  EXPECT_EQ(editor.Events()[1].delay, 0);
  EXPECT_TRUE(editor.DeleteLine(0, 1, false));
  EXPECT_EQ(editor.Count(), 2);
  EXPECT_FALSE(editor.DeleteLine(1, 3, false)) << "no event 3 any more";
  EXPECT_FALSE(editor.SetPause(2, 5));

  // Two lines after the focus line stay in view, but near either end.
  const struct {
    int focusEvent, lines, caret;
  } rows[] = {{39, 40, 39}, {3, 40, 3}, {4, 40, 6}, {36, 40, 38}, {37, 40, 37}};
  for (const auto& row : rows) {
    MacroEditor full = WithPresses(39);
    full.SetInsertPosition(row.focusEvent);
    full.Insert({4, kMacroPressed, 0});
    full.Lines(UsLayout());
    EXPECT_EQ(full.CaretLine(row.lines), row.caret) << row.focusEvent;
  }
}

TEST(MacroEditor, NamesAndNumbersAsTyped) {
  MacroList list;
  list.Append(NewMacro(u"Reload"));
  for (std::u16string_view taken : {u"reload", u"  RELOAD ", u"", u"   "})
    EXPECT_EQ(NewMacroName(list, taken), u"") << taken.size();
  EXPECT_EQ(NewMacroName(list, u" Reload twice "), u"Reload twice");
  EXPECT_EQ(NewMacroName(list, u"a name of twenty chars"), u"a name of twent");

  const struct {
    std::u16string_view text;
    int pause, repeat;
  } rows[] = {{u"0", 1, 1}, {u"-5", 1, 1}, {u"70000", 65535, 255}, {u"99999999999999999999", 65535, 255},
              {u"  42", 42, 42}, {u"256", 256, 255}, {u"", 1, 1}};
  for (const auto& row : rows) {
    EXPECT_EQ(PauseFromText(row.text), row.pause) << row.text.size();
    EXPECT_EQ(RepeatFromText(row.text), row.repeat) << row.text.size();
  }

  // Repeating off is stored as 1 and read back as off.
  tagElement element{};
  MacroEditor editor;
  for (const auto& [on, value, stored] : {std::tuple{true, 7, 7}, {false, 7, 1}}) {
    editor.repeatOn = on;
    editor.repeatValue = value;
    editor.SaveRepeat(element);
    EXPECT_EQ(element.repeat, stored);
    editor.Load(&element);
    EXPECT_EQ(editor.repeatOn, on);
  }
}
