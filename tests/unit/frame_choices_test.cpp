#include "model/frame_choices.h"

#include <gtest/gtest.h>

namespace {

TEST(LightChoice, SwitchOffWinsOverTheType) {
  struct Row {
    std::uint8_t effectSwitch, effectType;
    LightChoice shown;
  };
  const Row rows[] = {
      {0, 0, LightChoice::Off},     {0, 1, LightChoice::Off},     {0, 7, LightChoice::Off},
      {1, 0, LightChoice::EffectA}, {1, 1, LightChoice::EffectB}, {5, 3, LightChoice::EffectB},
  };
  for (const Row& row : rows) {
    ProfileRecord profile{};
    profile.LightEffectSwitch1 = row.effectSwitch;
    profile.LightEffectType1 = row.effectType;
    EXPECT_EQ(LightChoiceOf(profile), row.shown) << int(row.effectSwitch) << "/" << int(row.effectType);
  }
}

TEST(LightChoice, EachChoiceRoundTrips) {
  for (LightChoice choice : {LightChoice::Off, LightChoice::EffectA, LightChoice::EffectB}) {
    ProfileRecord profile{};
    profile.LightEffectSwitch2 = 9;
    SetLightChoice(profile, choice);
    EXPECT_EQ(LightChoiceOf(profile), choice);
    EXPECT_EQ(profile.LightEffectSwitch2, 9) << "only the first light is the frame's";
  }
}

TEST(ColourChoice, StoredFieldsAndTheButtonShown) {
  struct Row {
    int choice;
    std::int32_t flag;
    std::uint8_t option;
  };
  const Row rows[] = {{0, 0, 0}, {1, 1, 0}, {5, 1, 4}, {7, 1, 6}};
  for (const Row& row : rows) {
    ProfileRecord profile{};
    profile.ColorOptions1 = 3;
    profile.ColorFlag = 1;
    SetColourChoice(profile, row.choice);
    EXPECT_EQ(profile.ColorFlag, row.flag) << row.choice;
    EXPECT_EQ(profile.ColorOptions1, row.option) << row.choice;
    EXPECT_EQ(ColourChoiceOf(profile), row.choice);
  }
}

TEST(ColourChoice, OutOfRangeNeitherShowsNorStores) {
  ProfileRecord profile{};
  profile.ColorFlag = 1;
  profile.ColorOptions1 = 7;
  EXPECT_EQ(ColourChoiceOf(profile), kNoColourChoice);
  profile.ColorOptions1 = 255;
  EXPECT_EQ(ColourChoiceOf(profile), kNoColourChoice);
  for (int choice : {-1, 8, 100}) {
    SetColourChoice(profile, choice);
    EXPECT_EQ(profile.ColorOptions1, 255);
  }
}

TEST(ProfileBar, NameBlankAndNumber) {
  EXPECT_EQ(ProfileBarText(u"Gaming", 1), u"Gaming 2/5");
  EXPECT_EQ(ProfileBarText(u"Office", 0), u"Office 1/5");
  EXPECT_EQ(ProfileBarText(u"Last", 4), u"Last 5/5");
  EXPECT_EQ(ProfileBarText(u"", 2), u" 3/5");
  EXPECT_EQ(ProfileBarText(u"100%s %d", 0), u"100%s %d 1/5");
  const std::u16string longest(kProfileNameMaxChars, u'x');
  EXPECT_EQ(ProfileBarText(longest, 3), longest + u" 4/5");
}

TEST(ProfileSwitching, StaysWithinTheFiveProfiles) {
  EXPECT_EQ(PreviousProfile(0), 0);
  EXPECT_EQ(PreviousProfile(3), 2);
  EXPECT_EQ(NextProfile(4), 4);
  EXPECT_EQ(NextProfile(1), 2);
}

}  // namespace
