#include <gtest/gtest.h>

#include "macro/system_keyboard_layout.h"
#include "model/key_codes.h"
#include "model/key_names.h"

// The test prefix runs on a US keyboard.

TEST(SystemKeyboardLayout, NamesKeysAfterTheSystemsLayout) {
  const SystemKeyboardLayout layout;
  const struct { std::uint32_t usage; std::u16string_view name; } rows[] = {
      {0x04, u"A"}, {0x1D, u"Z"}, {0x1E, u"1"}, {0x27, u"0"}, {0x28, u"Enter"}, {0x2C, u"Space"},
      {0x2D, u"-"}, {0x34, u"'"}, {0x38, u"/"}, {0x39, u"Caps Lock"}, {0x58, u"Num_Enter"}, {0x32, u""}};
  for (const auto& row : rows) EXPECT_EQ(UsageName(row.usage, layout), row.name) << std::hex << row.usage;
  EXPECT_EQ(VkName(0x59, layout), u"Y");
  EXPECT_EQ(VkName(0xBA, layout), u";");
}

TEST(SystemKeyboardLayout, EveryUsageSurvivesTheRoundTrip) {
  const SystemKeyboardLayout layout;
  for (const KeyCodeRow& row : KeyCodeTable) {
    std::uint32_t vk = 0, usage = 0;
    ASSERT_TRUE(UsageToVk(row.usage, vk, layout));
    EXPECT_EQ(vk, row.vk) << std::hex << row.usage;
    EXPECT_TRUE(VkToUsage(vk, usage, layout));
    EXPECT_EQ(usage, row.usage) << std::hex << row.usage;
  }
}
