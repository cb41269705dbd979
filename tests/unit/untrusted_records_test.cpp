#include <gtest/gtest.h>

#include <climits>

#include "model/settings.h"
#include "model/text.h"
#include "record_bytes.h"

// Records from the monitor or a file may hold anything.

TEST(TextOf, StopsAtTheBufferWithoutATerminator) {
  char16_t full[4] = {u'a', u'b', u'c', u'd'};
  EXPECT_EQ(TextOf(full), u"abcd");
  char16_t early[4] = {u'a', u'\0', u'c', u'd'};
  EXPECT_EQ(TextOf(early), u"a");
}

TEST(SetText, AlwaysTerminatesAndClearsTheRest) {
  const struct { std::u16string_view text; std::size_t max; std::u16string_view stored; } rows[] = {
      {u"abc", 9, u"abc"}, {u"abcdefghij", 9, u"abcdefghi"}, {u"abcdefghijkl", 4, u"abcd"},
      {u"", 9, u""}, {u"abcdefghijkl", 100, u"abcdefghi"}};
  for (const auto& row : rows) {
    char16_t buffer[10];
    std::fill_n(buffer, 10, u'#');
    SetText(buffer, row.text, row.max);
    EXPECT_EQ(TextOf(buffer), row.stored);
    EXPECT_TRUE(std::all_of(buffer + row.stored.size(), buffer + 10, [](char16_t c) { return c == 0; }));
  }
}

TEST(ValidEntryCount, NeverMoreThanTheRecordHolds) {
  ButtonRecord r{};
  for (auto [count, valid] : {std::pair{0, 0}, {1, 1}, {40, 40}, {41, 40}, {65535, 40}}) {
    r.EntryCount = static_cast<std::uint16_t>(count);
    EXPECT_EQ(ValidEntryCount(r), valid);
  }
}

TEST(SanitizeLoadedSettings, BringsCurrentProfileIntoRange) {
  const struct { std::int32_t loaded, kept; } rows[] = {
      {0, 0}, {4, 4}, {2, 2}, {-1, 0}, {5, 0}, {99, 0}, {INT_MIN, 0}, {INT_MAX, 0}};
  for (const auto& row : rows) {
    auto settings = std::make_unique<SettingsRecord>();
    settings->CurrentProfile = row.loaded;
    SanitizeLoadedSettings(*settings);
    EXPECT_EQ(settings->CurrentProfile, row.kept) << row.loaded;
  }
}

TEST(SanitizeLoadedSettings, HostileBlockEndsUpWithBoundedTextsAndCounts) {
  auto settings = FilledRecord<SettingsRecord>(0x41);  // no terminator anywhere
  const auto before = *settings;
  SanitizeLoadedSettings(*settings);

  for (const ProfileRecord& p : settings->Profiles) {
    EXPECT_EQ(TextOf(p.ProFileName).size(), 249u);
    EXPECT_EQ(TextOf(p.GameFile).size(), 499u);
    for (int b = 0; b < kButtonCount; ++b) {
      EXPECT_EQ(p.MacroKeyInfo[b].ButtonIndex, b);
      EXPECT_EQ(TextOf(p.MacroKeyInfo[b].Name).size(), 18u);
      EXPECT_EQ(TextOf(p.MacroKeyInfo[b].ProgramPath).size(), 259u);
      EXPECT_EQ(p.MacroKeyInfo[b].EntryCount, 40);
      EXPECT_EQ(p.MacroKeyInfo[b].FunctionCode, 0x41) << "codes stay as read";
    }
  }
  // Only the terminators, the indexes, the counts and the current profile
  // were written.
  std::size_t changed = DifferingOffsets(before, *settings).size();
  EXPECT_EQ(changed, 4u + 5 * (2 * 2 + 15 * (1 + 2 + 2 + 2)));
}

TEST(SanitizeLoadedSettings, LeavesASoundRecordAsItIs) {
  auto settings = FilledRecord<SettingsRecord>(0);
  settings->CurrentProfile = 3;
  for (ProfileRecord& p : settings->Profiles) {
    SetText(p.ProFileName, std::u16string(249, u'n'));
    for (ButtonRecord& b : p.MacroKeyInfo) {
      b.ButtonIndex = static_cast<std::uint8_t>(&b - p.MacroKeyInfo);
      SetText(b.Name, u"eighteen-chars-abc");
      b.EntryCount = 40;
      std::fill(std::begin(b.ProgramPath) + 1, std::end(b.ProgramPath), u'z');  // after an empty text
    }
  }
  const auto before = *settings;
  SanitizeLoadedSettings(*settings);
  EXPECT_TRUE(DifferingOffsets(before, *settings).empty());
}
