#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "model/factory.h"
#include "model/sensor_options.h"

TEST(SensorScales, PositionsComeBackAndOffScaleValuesFallBack) {
  // Whole tables: a round trip alone would pass a value stored one off.
  constexpr int kStored[] = {1, 3, 5, 7, 8, 10, 12, 14, 16, 18, 20};
  constexpr int kShownAt[] = {1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11};
  for (int position = kSensitivityFirstPosition; position <= kSensitivityLastPosition; ++position) {
    EXPECT_EQ(PositionToSensitivity(position), kStored[position - 1]) << position;
    EXPECT_EQ(SensitivityToPosition(PositionToSensitivity(position)), position) << position;
  }
  for (int stored = 1; stored <= 20; ++stored) EXPECT_EQ(SensitivityToPosition(stored), kShownAt[stored - 1]) << stored;
  for (int position : {0, 12}) EXPECT_EQ(PositionToSensitivity(position), 10) << position;
  const struct { int stored, position; } shown[] = {{1, 1}, {2, 2}, {9, 5}, {20, 11}, {0, 6}, {21, 6}, {-7, 6}};
  for (const auto& row : shown) EXPECT_EQ(SensitivityToPosition(row.stored), row.position) << row.stored;
  const struct { int position, resolution; } levels[] = {{1, 250}, {3, 800}, {6, 1600}, {10, 2400}, {20, 5000},
                                                         {0, 250}, {21, 5000}};
  for (const auto& row : levels) EXPECT_EQ(LevelResolution(row.position), row.resolution) << row.position;
}

TEST(SensorStores, TheLockCarriesMovesAndOnlyValuesOnTheirScaleAreStored) {
  using enum SensitivityAxis;
  const struct { int lock; SensitivityAxis axis; int position, x, y; } moves[] = {
      {1, X, 4, 7, 7}, {0, X, 4, 7, 10}, {1, Y, 11, 20, 20}, {0, Y, 12, 10, 10}, {2, X, 2, 3, 3}};
  for (const auto& row : moves) {
    ProfileRecord profile{};
    FactoryProfile(profile, 0);
    profile.XYSynchronous = row.lock;
    EXPECT_EQ(StoreSensitivity(profile, row.axis, row.position), row.lock != 0);
    EXPECT_EQ(profile.Sensitivity_X * 100 + profile.Sensitivity_Y, row.x * 100 + row.y) << row.position;
  }
  ProfileRecord profile{};
  FactoryProfile(profile, 0);
  const struct { int level, position; bool stored; } levels[] = {
      {0, 1, true}, {3, 19, true}, {4, 5, false}, {-1, 5, false}, {2, 0, false}, {2, 21, false}};
  for (const auto& row : levels) EXPECT_EQ(StoreLevelPosition(profile, row.level, row.position), row.stored);
  EXPECT_TRUE(std::ranges::equal(profile.CpiLevel_X, std::array{1, 6, 10, 19, 20}));
  EXPECT_FALSE(StoreCurrentLevel(profile, 4));
  EXPECT_TRUE(StoreCurrentLevel(profile, 3));
  EXPECT_EQ(profile.CpiStep, 3);
  for (int speed : {1, 256}) EXPECT_FALSE(StoreOtgSpeed(profile, speed));
  EXPECT_TRUE(StoreOtgSpeed(profile, 255));
}
