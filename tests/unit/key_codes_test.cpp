#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "fixed_layouts.h"
#include "model/key_codes.h"

TEST(KeyCodeTable, HoldsEveryUsageOnceInItsOrder) {
  std::set<std::uint32_t> expected;
  for (std::uint32_t u = 0x04; u <= 0x65; ++u) expected.insert(u);
  expected.erase(0x32);  // the non-US hash and backslash keys have no row
  expected.erase(0x64);
  for (std::uint32_t u = 0xE0; u <= 0xE7; ++u) expected.insert(u);
  for (std::uint32_t u = 0xF1; u <= 0xF5; ++u) expected.insert(u);

  std::set<std::uint32_t> usages, vks, scanCodes;
  for (std::size_t i = 0; i < KeyCodeTable.size(); ++i) {
    const KeyCodeRow& row = KeyCodeTable[i];
    usages.insert(row.usage);
    vks.insert(row.vk);
    // Exactly the keys up to F12 keep a scan code, each its own.
    EXPECT_EQ(row.scanCode != 0, i <= 64) << i;
    if (row.scanCode) {
      EXPECT_TRUE(scanCodes.insert(row.scanCode).second) << i;
    }
  }
  EXPECT_EQ(usages, expected);
  EXPECT_EQ(vks.size(), kKeyCodeRowCount);

  // Rows run in usage order, except that keypad 7 comes before keypad 6.
  for (std::size_t i = 1; i < KeyCodeTable.size(); ++i)
    EXPECT_EQ(KeyCodeTable[i].usage < KeyCodeTable[i - 1].usage, i == 90) << i;
  EXPECT_EQ(KeyCodeTable[89].vk, 0x67u);
  EXPECT_EQ(KeyCodeTable[90].vk, 0x66u);
}

namespace {

using Translation = bool (*)(std::uint32_t, std::uint32_t&, const KeyboardLayout&);

struct TranslationCase {
  std::uint32_t from, to;
};

void ExpectTranslations(Translation translate, const KeyboardLayout& layout,
                        std::initializer_list<TranslationCase> cases) {
  for (const auto& c : cases) {
    std::uint32_t to = 0xFF;
    EXPECT_TRUE(translate(c.from, to, layout)) << std::hex << c.from;
    EXPECT_EQ(to, c.to) << std::hex << c.from;
  }
}

void ExpectNoRow(Translation translate, std::initializer_list<std::uint32_t> codes) {
  for (const std::uint32_t code : codes) {
    std::uint32_t to = 0x55;
    EXPECT_FALSE(translate(code, to, UsLayout())) << std::hex << code;
    EXPECT_EQ(to, 0u) << std::hex << code;
  }
}

}  // namespace

TEST(VkToUsage, FollowsThePhysicalKeyUnderTheLayout) {
  ExpectTranslations(VkToUsage, UsLayout(), {
      {0x41, 0x04}, {0x5A, 0x1D}, {0x59, 0x1C}, {0x31, 0x1E}, {0x30, 0x27}, {0x0D, 0x28},
      {0x20, 0x2C}, {0xBD, 0x2D}, {0xDC, 0x31}, {0xBF, 0x38}, {0x14, 0x39}, {0x70, 0x3A},
      {0x7B, 0x45}, {0x2C, 0x46}, {0x26, 0x52}, {0x6C, 0x58}, {0x67, 0x5F}, {0x66, 0x5E},
      {0x60, 0x62}, {0x5D, 0x65}, {0xA2, 0xE0}, {0x5C, 0xE7}, {0xF1, 0xF1}, {0xF5, 0xF5}});
  // Y sits where US has Z, and the punctuation keys move.
  ExpectTranslations(VkToUsage, GermanLayout(), {
      {0x59, 0x1D}, {0x5A, 0x1C}, {0x41, 0x04}, {0xBD, 0x38},
      {0xBF, 0x31}, {0xDC, 0x35}, {0xC0, 0x33}, {0xDB, 0x2D}});
  // The generic Shift, Ctrl and Alt have no row, only their sides do.
  ExpectNoRow(VkToUsage, {0x00, 0x07, 0x10, 0x11, 0x12, 0xE2, 0xF0, 0xF6, 0xFF, 0x141});
}

TEST(UsageToVk, GivesTheKeyAtThePositionUnderTheLayout) {
  ExpectTranslations(UsageToVk, UsLayout(), {
      {0x04, 0x41}, {0x1D, 0x5A}, {0x1E, 0x31}, {0x27, 0x30}, {0x28, 0x0D}, {0x38, 0xBF},
      {0x39, 0x14}, {0x3A, 0x70}, {0x45, 0x7B}, {0x46, 0x2C}, {0x58, 0x6C}, {0x5E, 0x66},
      {0x5F, 0x67}, {0x63, 0x6E}, {0x65, 0x5D}, {0xE0, 0xA2}, {0xE7, 0x5C}, {0xF1, 0xF1},
      {0xF5, 0xF5}});
  ExpectTranslations(UsageToVk, GermanLayout(), {{0x1D, 0x59}, {0x1C, 0x5A}, {0x2D, 0xDB}, {0x38, 0xBD}});
  ExpectNoRow(UsageToVk, {0x00, 0x03, 0x32, 0x64, 0x66, 0x82, 0xDF, 0xE8, 0xF6, 0x104});
}

TEST(KeyCodes, TheScanCodesAreWhereAUsKeyboardHasTheKeys) {
  const FixedLayout us = UsLayout();
  for (const KeyCodeRow& row : KeyCodeTable) {
    std::uint32_t vk = 0;
    EXPECT_TRUE(UsageToVk(row.usage, vk, us));
    EXPECT_EQ(vk, row.vk) << std::hex << row.usage;
  }
}

TEST(KeyCodes, EveryUsageSurvivesTheRoundTripOnEveryLayout) {
  for (const FixedLayout& layout : {UsLayout(), GermanLayout()}) {
    for (const KeyCodeRow& row : KeyCodeTable) {
      std::uint32_t vk = 0, usage = 0;
      ASSERT_TRUE(UsageToVk(row.usage, vk, layout));
      EXPECT_TRUE(VkToUsage(vk, usage, layout));
      EXPECT_EQ(usage, row.usage) << std::hex << row.usage;
    }
  }
}

TEST(KeyCodes, ALayoutWithoutTheKeyKeepsTheRowsOwnCodes) {
  // A layout that has none of the keys reports scan code 0 and virtual key 0;
  // scan code 0 must not land on the rows that keep no scan code.
  const FixedLayout none({});
  for (const KeyCodeRow& row : KeyCodeTable) {
    std::uint32_t usage = 0, vk = 0;
    EXPECT_TRUE(VkToUsage(row.vk, usage, none));
    EXPECT_EQ(usage, row.usage) << std::hex << row.vk;
    EXPECT_TRUE(UsageToVk(row.usage, vk, none));
    EXPECT_EQ(vk, row.vk) << std::hex << row.usage;
  }
}
