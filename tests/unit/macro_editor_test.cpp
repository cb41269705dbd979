#include <gtest/gtest.h>

#include <vector>

#include "fixed_layouts.h"
#include "macro/macro_buttons.h"
#include "macro/macro_editor.h"

namespace {

constexpr std::uint32_t kUp = 0x80;

std::vector<std::u16string> Lines(MacroEditor& editor) {
  std::vector<std::u16string> texts;
  for (const EventLine& line : editor.Lines(UsLayout())) texts.push_back(line.text);
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
  editor.BeginRecording(-1);
  // A held (its repeats dropped), then B; the tick count wraps between
  // them, and one pause is longer than a delay holds.
  const std::uint32_t strokes[][3] = {{'A', 0, 0xFFFFFF00}, {'A', 0, 0xFFFFFF40}, {'A', kUp, 0x10},
                                      {'B', 0, 0x20000},      {'B', kUp, 0x20005}};
  for (const auto& [vk, flags, tick] : strokes) editor.RecordKey(vk, flags, tick, UsLayout());
  EXPECT_EQ(Lines(editor), (std::vector<std::u16string>{u"A", u"272 ms", u"A", u"65535 ms", u"B", u"5 ms", u"B"}));
  EXPECT_EQ(editor.Events()[1].state, kMacroReleased);

  // Recorded before event 1: the pause goes to the event just recorded.
  editor.BeginRecording(1);
  editor.RecordKey(0x0D, 0x01, 100, UsLayout());  // keypad Enter
  editor.RecordKey(0x0D, kUp, 130, UsLayout());   // main Enter
  EXPECT_EQ(Lines(editor), (std::vector<std::u16string>{u"A", u"272 ms", u"Num_Enter", u"30 ms", u"Enter", u"A",
                                                         u"65535 ms", u"B", u"5 ms", u"B"}));
  EXPECT_EQ((std::vector<int>{editor.Events()[1].code, editor.Events()[2].code}), (std::vector<int>{0x58, 0x28}));
}

TEST(MacroEditor, TheContextMenusEditsAndTheLineKeptInView) {
  const int leftClick = kFirstMouseCommand + 2, rightPress = kFirstMouseCommand + 3;
  MacroEditor nearlyFull = WithPresses(39);
  EXPECT_FALSE(nearlyFull.InsertMouseButton(leftClick, -1, 0));
  EXPECT_TRUE(nearlyFull.InsertMouseButton(rightPress, -1, 0));
  EXPECT_EQ(nearlyFull.Events()[39].code, kMacroMouseRight);

  // Buttons 5 and 4 as the menu names them, stored as their key names say
  // (0xF4 is "Button 5"), so the menu, the event line and the device agree.
  const struct { int command; std::uint8_t code; std::u16string line; } buttons[] = {
      {1029, 0xF4, u"Button 5 Down"}, {1030, 0xF4, u"Button 5 Up"}, {1031, 0xF4, u"Button 5 Up"},
      {1032, 0xF5, u"Button 4 Down"}, {1033, 0xF5, u"Button 4 Up"}, {1034, 0xF5, u"Button 4 Up"}};
  for (const auto& row : buttons) {
    MacroEditor one;
    ASSERT_TRUE(one.InsertMouseButton(row.command, -1, 0));
    EXPECT_EQ(one.Events()[0].code, row.code) << row.command;
    EXPECT_EQ(Lines(one).back(), row.line) << row.command;
  }

  MacroEditor editor = WithPresses(3);
  ASSERT_TRUE(editor.InsertMouseButton(leftClick, 1, 2));
  EXPECT_FALSE(editor.InsertPause(0, 1, false)) << "no event before the first";
  EXPECT_TRUE(editor.InsertPause(3, 4, false));
  EXPECT_FALSE(editor.InsertPause(4, 4, false)) << "that pause is there already";
  EXPECT_EQ(Lines(editor), (std::vector<std::u16string>{u"A", u"L Button Down", u"L Button Up", u"1 ms", u"A", u"A"}));
  EXPECT_TRUE(editor.DeleteLine(3, 3, true));
  EXPECT_TRUE(editor.DeleteLine(0, 1, false));
  EXPECT_FALSE(editor.DeleteLine(4, 5, false)) << "no event 5 any more";
  EXPECT_EQ(Lines(editor), (std::vector<std::u16string>{u"L Button Down", u"L Button Up", u"A", u"A"}));

  // Two lines after the focus line stay in view, but near either end.
  const struct { int focusEvent, caret; } rows[] = {{39, 39}, {3, 3}, {4, 6}, {36, 38}, {37, 37}};
  for (const auto& row : rows) {
    MacroEditor full = WithPresses(39);
    full.BeginRecording(row.focusEvent);
    full.Insert({4, kMacroPressed, 0});
    full.Lines(UsLayout());
    EXPECT_EQ(full.CaretLine(40), row.caret) << row.focusEvent;
  }
}

TEST(MacroEditor, NamesAndNumbersAsTyped) {
  MacroList list;
  list.Append(NewMacro(u"Reload"));
  for (std::u16string_view taken : {u"reload", u"  RELOAD ", u"   "}) EXPECT_EQ(NewMacroName(list, taken), u"");
  EXPECT_EQ(NewMacroName(list, u" Reload twice "), u"Reload twice");
  EXPECT_EQ(NewMacroName(list, u"a name of twenty chars"), u"a name of twent");

  const struct { std::u16string_view text; int pause, repeat; } rows[] = {{u"0", 1, 1}, {u"-5", 1, 1}, {u"70000", 65535, 255}, {u"99999999999999999999", 65535, 255},
              {u"  42", 42, 42}, {u"256", 256, 255}};
  for (const auto& row : rows) {
    EXPECT_EQ(PauseFromText(row.text), row.pause) << row.text.size();
    EXPECT_EQ(RepeatFromText(row.text), row.repeat) << row.text.size();
  }

  // Repeating off is stored as 1 and read back as off.
  tagElement element{};
  MacroEditor editor;
  for (const auto& [on, stored] : {std::pair{true, 7}, {false, 1}}) {
    editor.repeatOn = on;
    editor.repeatValue = 7;
    editor.SaveRepeat(element);
    EXPECT_EQ(element.repeat, stored);
    editor.Load(&element);
    EXPECT_EQ(editor.repeatOn, on);
  }
}
