#include <gtest/gtest.h>

#include <algorithm>

#include "model/factory.h"
#include "model/settings.h"
#include "record_bytes.h"

namespace {

// Every profile field by its published offset, and which flag a change of
// it must raise. Array elements are listed one by one.
struct FieldRow {
  const char* name;
  std::size_t offset;
  bool device;  // enters ProfileChangedFlags
  bool otg;     // enters OTGSpeedChangedFlags
};

std::vector<FieldRow> ProfileFields() {
  std::vector<FieldRow> rows = {
      {"ProFileName", 0, false, false},      {"GameFile", 500, false, false},
      {"DbleClickSpeed", 1500, false, false}, {"ScrollWheelSpeed", 1504, false, false},
      {"ScrollWheelFlag", 1508, false, false}, {"MouseSpeed", 1512, false, false},
      {"Acceleration", 1516, false, false},  {"AccelerationFlag", 1520, false, false},
      {"TiltSpeed", 1524, false, false},     {"MediaOption", 1528, false, false},
      {"HDDKeyboard", 1532, true, false},    {"Orientation", 1536, false, false},
      {"XYSynchronous", 1540, true, false},  {"Sensitivity_X", 1544, true, false},
      {"Sensitivity_Y", 1548, true, false},  {"Cpi_X", 1552, false, false},
      {"Cpi_Y", 1556, false, false},         {"XYCpiFlag", 1560, true, false},
      {"CpiStep", 1604, true, false},        {"PollingRate", 1608, true, false},
      {"LiftSwitch", 1612, true, false},     {"LiftLevel", 1616, true, false},
      {"LightSwitch", 1620, false, false},   {"LightType", 1624, false, false},
      {"ColorFlag", 1628, true, false},      {"ColorOptions", 1632, false, false},
      {"ColorChangeMode", 1636, true, false}, {"BTOption", 1640, true, false},
      {"OTGSpeed", 1644, false, true},       {"DpiIndicationType", 1658, false, false},
      {"padding", 1659, false, false},       {"CpiXDefault", 1660, false, false},
      {"CpiYDefault", 1664, false, false},   {"BtnConfiguration", 1668, false, false},
      {"Color1Type", 1669, false, false},    {"Color2Type", 1670, false, false},
      {"LightEffectSwitch1", 1671, true, false}, {"LightEffectSwitch2", 1672, true, false},
      {"LightEffectType1", 1673, true, false}, {"LightEffectType2", 1674, true, false},
      {"ColorOptions1", 1675, true, false},  {"ColorOptions2", 1676, true, false},
      {"ColorChangeModeOptions1", 1677, false, false},
      {"ColorChangeModeOptions2", 1678, false, false},
      {"FireOrOnToGoStatusIndicatorSetting", 1679, false, false},
      {"ProfileSwitchIndictor", 1680, false, false}, {"padding", 1681, false, false},
      {"MacroKeyInfo", 1684, false, false},  {"MacroKeyInfo[14]", 1684 + 14 * 732 + 210, false, false},
  };
  for (std::size_t i = 0; i < 5; ++i) {
    rows.push_back({"CpiLevel_X[i]", 1564 + 4 * i, true, false});
    rows.push_back({"CpiLevel_Y[i]", 1584 + 4 * i, true, false});
    rows.push_back({"dpiStepFlag[i]", 1648 + i, true, false});
    rows.push_back({"dpiIndicator[i]", 1653 + i, true, false});
  }
  return rows;
}

class ChangeTracking : public testing::Test {
 protected:
  void SetUp() override {
    FactorySettings(*applied);
    FactorySettings(*working);
  }
  std::unique_ptr<SettingsRecord> applied = std::make_unique<SettingsRecord>();
  std::unique_ptr<SettingsRecord> working = std::make_unique<SettingsRecord>();
};

}  // namespace

TEST_F(ChangeTracking, EachFieldRaisesExactlyItsOwnFlag) {
  for (const FieldRow& row : ProfileFields()) {
    for (int p = 0; p < kProfileCount; ++p) {
      *working = *applied;
      working->ButtonChangedFlags[p][3] = 1;
      BytesOf(working->Profiles[p])[row.offset] ^= 0x01;
      FillChangeFlags(*working, *applied);

      for (int q = 0; q < kProfileCount; ++q) {
        EXPECT_EQ(working->ProfileChangedFlags[q], q == p && row.device) << row.name << " " << p;
        EXPECT_EQ(working->OTGSpeedChangedFlags[q], q == p && row.otg) << row.name << " " << p;
      }
      EXPECT_EQ(working->CurrentProfileChanged, 0) << row.name;
      EXPECT_EQ(working->ButtonChangedFlags[p][3], 1) << "button flags are not the comparison's";
    }
  }
}

TEST_F(ChangeTracking, OnlyOtgSpeedOfProfileThree) {
  working->Profiles[3].OTGSpeed = 40;
  FillChangeFlags(*working, *applied);
  const std::int32_t otg[] = {0, 0, 0, 1, 0};
  EXPECT_TRUE(std::equal(otg, otg + 5, working->OTGSpeedChangedFlags));
  EXPECT_EQ(std::count(working->ProfileChangedFlags, working->ProfileChangedFlags + 5, 0), 5);
}

TEST_F(ChangeTracking, SwitchingProfileAloneRaisesCurrentProfileChanged) {
  working->CurrentProfile = 2;
  FillChangeFlags(*working, *applied);
  EXPECT_EQ(working->CurrentProfileChanged, 1);
  EXPECT_EQ(std::count(working->ProfileChangedFlags, working->ProfileChangedFlags + 5, 0), 5);

  // The flags of an earlier apply do not linger.
  *applied = *working;
  FillChangeFlags(*working, *applied);
  EXPECT_EQ(working->CurrentProfileChanged, 0);
}

TEST_F(ChangeTracking, ClearingKeepsCurrentProfileChanged) {
  MarkEverythingChanged(*working);
  ClearChangeTracking(*working);
  EXPECT_EQ(working->CurrentProfileChanged, 1);
  auto bytes = BytesOf(*working);
  const std::size_t from = offsetof(SettingsRecord, ButtonChangedFlags);
  EXPECT_TRUE(std::all_of(bytes.begin() + from, bytes.begin() + from + 340, [](auto b) { return b == 0; }));
}

TEST_F(ChangeTracking, MarkEverythingSetsAllEightySixFlagsAndNothingElse) {
  const auto before = *working;
  MarkEverythingChanged(*working);
  const std::int32_t* flags = &working->ButtonChangedFlags[0][0];
  EXPECT_TRUE(std::all_of(flags, flags + 86, [](std::int32_t f) { return f == 1; }));
  for (std::size_t offset : DifferingOffsets(before, *working))
    ASSERT_GE(offset, offsetof(SettingsRecord, ButtonChangedFlags));
}

TEST_F(ChangeTracking, MarkingButtonsOutOfRangeIsHarmless) {
  const auto before = *working;
  for (int p : {-1, 5, 99}) MarkProfileButtonsChanged(*working, p);
  for (auto [p, b] : {std::pair{-1, 0}, {0, -1}, {0, 15}, {5, 0}}) MarkButtonChanged(*working, p, b);
  EXPECT_TRUE(DifferingOffsets(before, *working).empty());

  MarkProfileButtonsChanged(*working, 4);
  MarkButtonChanged(*working, 0, 14);
  EXPECT_EQ(std::count(&working->ButtonChangedFlags[0][0], &working->ButtonChangedFlags[0][0] + 75, 1), 16);
  EXPECT_EQ(working->ButtonChangedFlags[0][14], 1);
}

TEST(InitializeSettings, LeavesNoCurrentProfileAndZeroesEverythingElse) {
  auto settings = FilledRecord<SettingsRecord>(0xEE);
  InitializeSettings(*settings);
  EXPECT_EQ(settings->CurrentProfile, -1);
  auto bytes = BytesOf(*settings);
  EXPECT_TRUE(std::all_of(bytes.begin() + 4, bytes.end(), [](auto b) { return b == 0; }));
}
