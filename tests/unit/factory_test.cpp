#include <gtest/gtest.h>

#include <cstring>

#include "model/factory.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "record_bytes.h"

namespace {

void PutInt(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
  std::memcpy(&bytes[offset], &value, 4);
}

// The factory profile written out from the published tables, byte by byte,
// without going through the record's field names.
std::vector<std::uint8_t> ExpectedFreshProfile(int index) {
  std::vector<std::uint8_t> b(12664, 0);
  const char16_t name[] = u"Profile";
  for (int i = 0; i < 7; ++i) b[2 * i] = static_cast<std::uint8_t>(name[i]);

  const struct { std::size_t offset; std::int32_t value; } ints[] = {
      {1500, 500}, {1504, 3}, {1508, 0}, {1512, 10}, {1516, 10}, {1520, 0}, {1524, 3},
      {1528, 0},   {1532, 1}, {1536, 0}, {1540, 0},  {1544, 10}, {1548, 10}, {1552, 4},
      {1556, 4},   {1560, 1}, {1604, 1}, {1608, 2},  {1628, 0},  {1644, 10}, {1660, 4},
      {1664, 4}};
  for (auto [offset, value] : ints) PutInt(b, offset, value);
  const std::int32_t levels[] = {3, 6, 10, 20, 20};
  for (int i = 0; i < 5; ++i) {
    PutInt(b, 1564 + 4 * i, levels[i]);
    PutInt(b, 1584 + 4 * i, levels[i]);
  }
  const std::uint8_t bytes1648[] = {1, 1, 1, 1, 0, 1, 2, 3, 4, 5, 1};
  std::memcpy(&b[1648], bytes1648, sizeof bytes1648);
  const std::uint8_t bytes1668[] = {2, 1, 1, 1, 0, 1, 1, 0, 0, 0, 4, 1};
  std::memcpy(&b[1668], bytes1668, sizeof bytes1668);
  const std::uint8_t indicators[] = {1, 3, 2, 5, 4};
  b[1680] = indicators[index];

  const std::uint8_t codes[] = {1, 2, 3, 7, 8, 13, 0, 21, 0, 0, 0, 0, 0, 9, 10};
  for (int button = 0; button < 15; ++button) {
    b[1684 + 732 * button] = static_cast<std::uint8_t>(button);
    b[1684 + 732 * button + 1] = codes[button];
  }
  return b;
}

}  // namespace

TEST(FactoryProfile, FreshProfileMatchesThePublishedValuesByteForByte) {
  for (int k = 0; k < kProfileCount; ++k) {
    auto profile = FilledRecord<ProfileRecord>(0);
    FactoryProfile(*profile, k);
    auto actual = BytesOf(*profile);
    auto expected = ExpectedFreshProfile(k);
    for (std::size_t i = 0; i < expected.size(); ++i)
      ASSERT_EQ(actual[i], expected[i]) << "profile " << k << ", offset " << i;
  }
}

TEST(FactoryProfile, LeavesTheFieldsItDoesNotOwn) {
  auto profile = FilledRecord<ProfileRecord>(0x5A);
  FactoryProfile(*profile, 2);
  const std::int32_t kept = 0x5A5A5A5A;
  EXPECT_EQ(profile->LiftSwitch, kept);
  EXPECT_EQ(profile->LiftLevel, kept);
  EXPECT_EQ(profile->LightSwitch, kept);
  EXPECT_EQ(profile->LightType, kept);
  EXPECT_EQ(profile->ColorOptions, kept);
  EXPECT_EQ(profile->ColorChangeMode, kept);
  EXPECT_EQ(profile->BTOption, kept);
  EXPECT_EQ(profile->Padding1, 0x5A);
  for (auto pad : profile->Padding2) EXPECT_EQ(pad, 0x5A);
}

TEST(FactoryProfile, IndexOutOfRangeChangesNothing) {
  for (int index : {-1, 5, 1000}) {
    auto profile = FilledRecord<ProfileRecord>(0x33);
    const auto before = *profile;
    FactoryProfile(*profile, index);
    EXPECT_TRUE(DifferingOffsets(before, *profile).empty()) << index;
  }
}

TEST(FactorySettings, ResetsEveryProfileAndKeepsDeviceValuesAndTracking) {
  auto settings = FilledRecord<SettingsRecord>(0x11);
  const auto before = *settings;
  FactorySettings(*settings);

  EXPECT_EQ(settings->CurrentProfile, 0);
  for (int k = 0; k < kProfileCount; ++k) {
    EXPECT_EQ(TextOf(settings->Profiles[k].ProFileName), u"Profile");
    EXPECT_EQ(settings->Profiles[k].LiftSwitch, 0x11111111);
  }
  EXPECT_EQ(settings->Profiles[3].ProfileSwitchIndictor, 5);
  EXPECT_EQ(settings->MouseType, before.MouseType);
  EXPECT_EQ(settings->MouseColor, before.MouseColor);
  const std::size_t tracking = offsetof(SettingsRecord, ButtonChangedFlags);
  for (std::size_t offset : DifferingOffsets(before, *settings)) ASSERT_LT(offset, tracking);
}

TEST(FactorySettings, AProfileRebuiltAloneDiffersFromItsNeighboursOnlyInTheIndicator) {
  auto settings = std::make_unique<SettingsRecord>();
  FactorySettings(*settings);
  for (int k = 1; k < kProfileCount; ++k) {
    auto diff = DifferingOffsets(settings->Profiles[0], settings->Profiles[k]);
    ASSERT_EQ(diff.size(), 1u) << k;
    EXPECT_EQ(diff[0], offsetof(ProfileRecord, ProfileSwitchIndictor));
  }
}

TEST(FactoryButton, ResetsCodeNameAndEventsAndKeepsTheRest) {
  auto profile = FilledRecord<ProfileRecord>(0x77);
  const auto before = *profile;
  FactoryButton(*profile, 6);

  const ButtonRecord& r = profile->MacroKeyInfo[6];
  EXPECT_EQ(r.ButtonIndex, 6);
  EXPECT_EQ(r.FunctionCode, 0);
  // Written: 0-3 (index, code, first name unit), 44-209 (repeat, count, events).
  const std::size_t base = offsetof(ProfileRecord, MacroKeyInfo) + 6 * sizeof(ButtonRecord);
  for (std::size_t offset : DifferingOffsets(before, *profile)) {
    const std::size_t local = offset - base;
    ASSERT_GE(offset, base);
    EXPECT_TRUE(local < 4 || (local >= 44 && local < 210)) << "byte " << local << " written";
  }
  for (std::size_t local = 44; local < 210; ++local) EXPECT_EQ(BytesOf(r)[local], 0) << local;
  EXPECT_EQ(r.ProgramPath[0], 0x7777);
}

TEST(FactoryButton, FactoryCodesFollowTheButtonTable) {
  auto profile = std::make_unique<ProfileRecord>();
  const std::uint8_t codes[] = {1, 2, 3, 7, 8, 13, 0, 21, 0, 0, 0, 0, 0, 9, 10};
  for (int b = 0; b < kButtonCount; ++b) {
    profile->MacroKeyInfo[b].FunctionCode = 99;
    FactoryButton(*profile, b);
    EXPECT_EQ(profile->MacroKeyInfo[b].FunctionCode, codes[b]) << b;
  }
}

TEST(FactoryButton, ButtonOutOfRangeChangesNothing) {
  for (int button : {-1, 15, 255}) {
    auto profile = FilledRecord<ProfileRecord>(0x44);
    const auto before = *profile;
    FactoryButton(*profile, button);
    EXPECT_TRUE(DifferingOffsets(before, *profile).empty()) << button;
  }
}
