#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "macro/macro_buttons.h"
#include "macro/macro_list.h"
#include "macro/macro_name.h"
#include "model/factory.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "record_bytes.h"

namespace {

// A macro button whose events are key presses with the given delays.
ButtonRecord MacroButton(std::u16string_view name, std::initializer_list<std::uint16_t> delays, int repeat = 1) {
  ButtonRecord button{};
  button.FunctionCode = kFnMacro;
  SetText(button.Name, name);
  button.RepeatCount = repeat;
  button.EntryCount = static_cast<std::uint16_t>(delays.size());
  int i = 0;
  for (std::uint16_t delay : delays) {
    const MacroEvent event{static_cast<std::uint8_t>(4 + i), kMacroPressed, delay};
    std::memcpy(button.Entries[i++], &event, sizeof event);
  }
  return button;
}

std::unique_ptr<tagElement> MacroLike(std::u16string_view name, const ButtonRecord& button) {
  auto element = MacroFromButton(button);
  SetText(element->name, name);
  return element;
}

std::vector<std::u16string_view> Names(const MacroList& list) {
  std::vector<std::u16string_view> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(TextOf(list.ElementAt(i)->name));
  return names;
}

}  // namespace

TEST(MacroList, PositionsShiftOnRemovalAndBadIndicesDoNothing) {
  MacroList list;
  for (int i : {-1, 0, 1}) EXPECT_EQ(list.ElementAt(i), nullptr);
  list.RemoveAt(0);

  for (auto name : {u"a", u"b", u"c"}) list.Append(NewMacro(name));
  list.Append(nullptr);
  list.RemoveAt(1);
  list.RemoveAt(-1);
  list.RemoveAt(2);
  EXPECT_EQ(Names(list), (std::vector<std::u16string_view>{u"a", u"c"}));
  EXPECT_EQ(list.ElementAt(2), nullptr);

  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.ElementAt(0), nullptr);
}

TEST(MacroElements, FromAButtonOnlyTheValidEventsAreCopied) {
  ButtonRecord button = MacroButton(u"Trio", {10, 20, 30}, 7);
  std::memset(button.Entries[3], 0xEE, 37 * 4);
  auto element = MacroFromButton(button);
  EXPECT_EQ(element->count, 3);
  EXPECT_EQ(std::memcmp(element->events, button.Entries, 3 * 4), 0);
  EXPECT_TRUE(std::ranges::all_of(BytesOf(element->events).subspan(12), [](std::uint8_t b) { return b == 0; }));

  button.EntryCount = 300;
  EXPECT_EQ(MacroFromButton(button)->count, kMaxEntries);
}

TEST(MacroElements, RepairTerminatesTheNameAndClampsTheCount) {
  const struct { std::int32_t count, repaired; } rows[] = {{40, 40}, {41, 40}, {-3, 0}};
  for (const auto& row : rows) {
    tagElement element;
    std::fill_n(element.name, kMacroNameUnits, u'x');
    element.count = row.count;
    RepairElement(element);
    EXPECT_EQ(TextOf(element.name).size(), 49u);
    EXPECT_EQ(element.count, row.repaired);
  }
}

TEST(CopyMacroToButton, NoMacroWritesNothingAMacroArrivesWhole) {
  auto settings = std::make_unique<SettingsRecord>();
  FactorySettings(*settings);
  settings->CurrentProfile = 3;
  EXPECT_FALSE(CopyMacroToButton(nullptr, *settings, 2));
  EXPECT_EQ(settings->ButtonChangedFlags[3][2], 0);

  const ButtonRecord source = MacroButton(u"Strafe", {5, 6}, 4);
  ASSERT_TRUE(CopyMacroToButton(MacroFromButton(source).get(), *settings, 2));
  const ButtonRecord& r = settings->Profiles[3].MacroKeyInfo[2];
  EXPECT_EQ(r.FunctionCode, kFnMacro);
  EXPECT_EQ(TextOf(r.Name), u"Strafe");
  EXPECT_EQ(r.RepeatCount, 4);
  EXPECT_EQ(r.EntryCount, 2);
  EXPECT_EQ(std::memcmp(r.Entries, source.Entries, sizeof r.Entries), 0);
  EXPECT_EQ(settings->ButtonChangedFlags[3][2], 1);
}

TEST(MacroName, TrimmedAndCaseBlind) {
  EXPECT_EQ(TrimWhiteSpace(u" \t Fire 2 \r\n"), u"Fire 2");
  EXPECT_EQ(TrimWhiteSpace(u"   "), u"");
  const struct { std::u16string_view a, b; bool equal; } rows[] = {
      {u"FIRE", u"fire", true}, {u"Ärger", u"äRGER", true}, {u"Łódź", u"łÓDŹ", true},
      {u"Щит", u"щИТ", true},   {u"fire", u"fire2", false}, {u"[", u"{", false}};
  for (const auto& row : rows) EXPECT_EQ(EqualIgnoringCase(row.a, row.b), row.equal) << row.a.size();
}

TEST(FindMacroForButton, TheFirstNameMatchGivesTheIndexItsEventsGiveSameness) {
  const ButtonRecord button = MacroButton(u"Burst", {100, 200, 0}, 3);
  auto differing = [&](auto change) {
    ButtonRecord other = button;
    change(other);
    return other;
  };
  // The list is "Other", the row's element, then an identical "burst".
  const struct { const char* what; std::u16string_view name; ButtonRecord events; int index; bool same; } rows[] = {
      {"identical", u"  bURST\t", button, 1, true},
      {"delays 50 ms apart", u"Burst", MacroButton(u"", {150, 150, 50}, 3), 1, true},
      {"a delay 51 ms apart", u"Burst", MacroButton(u"", {151, 200, 0}, 3), 1, false},
      {"another repeat", u"Burst", MacroButton(u"", {100, 200, 0}, 4), 1, false},
      {"one event less", u"Burst", MacroButton(u"", {100, 200}, 3), 1, false},
      {"released instead of pressed", u"Burst",
       differing([](ButtonRecord& r) { r.Entries[1][1] = kMacroReleased; }), 1, false},
      {"another key", u"Burst", differing([](ButtonRecord& r) { r.Entries[2][0] = 0x2C; }), 1, false},
      {"slots after the count", u"Burst", differing([](ButtonRecord& r) { r.Entries[3][0] = 0x77; }), 1, true},
      {"another name", u"Burst 2", MacroButton(u"", {1}), 2, true},
  };
  for (const auto& row : rows) {
    MacroList list;
    list.Append(NewMacro(u"Other"));
    list.Append(MacroLike(row.name, row.events));
    list.Append(MacroLike(u"burst", button));
    const MacroMatch match = FindMacroForButton(list, button);
    EXPECT_TRUE(match.found) << row.what;
    EXPECT_EQ(match.index, row.index) << row.what;
    EXPECT_EQ(match.same, row.same) << row.what;
  }
  const MacroMatch none = FindMacroForButton(MacroList{}, button);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.index, -1);
  EXPECT_FALSE(none.same);
}

class Reconcile : public testing::Test {
 protected:
  void SetUp() override { FactorySettings(*settings); }
  ButtonRecord& Button(int profile, int button) { return settings->Profiles[profile].MacroKeyInfo[button]; }

  std::unique_ptr<SettingsRecord> settings = std::make_unique<SettingsRecord>();
  MacroList list;
};

TEST_F(Reconcile, SameNameInTwoProfilesEndsWithTheLastButtonsVersion) {
  Button(0, 5) = MacroButton(u"Combo", {10, 10});
  Button(1, 2) = MacroButton(u"Other", {1});
  Button(4, 0) = MacroButton(u"COMBO ", {500, 500, 500}, 9);
  const auto before = std::make_unique<SettingsRecord>(*settings);

  ReconcileWithButtons(list, *settings);

  EXPECT_EQ(Names(list), (std::vector<std::u16string_view>{u"Combo", u"Other"}));
  const tagElement& combo = *list.ElementAt(0);
  EXPECT_EQ(combo.count, 3);
  EXPECT_EQ(combo.repeat, 9);
  EXPECT_EQ(std::memcmp(combo.events, Button(4, 0).Entries, 160), 0);
  EXPECT_TRUE(DifferingOffsets(*before, *settings).empty());
}

TEST_F(Reconcile, PausesWithinToleranceLeaveTheListAlone) {
  list.Append(MacroLike(u"Jump", MacroButton(u"", {100, 40})));
  Button(2, 7) = MacroButton(u"jump", {150, 0});
  const tagElement before = *list.ElementAt(0);

  ReconcileWithButtons(list, *settings);

  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(std::memcmp(&before, list.ElementAt(0), sizeof before), 0);
}

TEST_F(Reconcile, ButtonsWithoutANameOrMacroAddNothing) {
  Button(0, 3) = MacroButton(u"", {10});
  Button(1, 3) = MacroButton(u" \t ", {10});
  Button(2, 3) = MacroButton(u"Not a macro", {10});
  Button(2, 3).FunctionCode = kFnLaunchProgram;
  list.Append(NewMacro(u""));

  ReconcileWithButtons(list, *settings);

  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.ElementAt(0)->count, 0);
}

TEST_F(Reconcile, LongNamesAreCutAndNamesWithSpacesDoNotMultiply) {
  Button(0, 1) = MacroButton(u"", {1});
  std::u16string_view unterminated = u"ABCDEFGHIJKLMNOPQRST";
  std::ranges::copy(unterminated, Button(0, 1).Name);
  Button(0, 2) = MacroButton(u" Spaced ", {2});
  // A start-up, then a reload: the second pass finds every macro.
  ReconcileWithButtons(list, *settings);
  ReconcileWithButtons(list, *settings);

  EXPECT_EQ(Names(list), (std::vector<std::u16string_view>{u"ABCDEFGHIJKLMNOPQR", u" Spaced "}));
}
