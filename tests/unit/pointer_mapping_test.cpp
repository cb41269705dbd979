#include <gtest/gtest.h>

#include "model/factory.h"
#include "model/pointer_mapping.h"

namespace {

ProfileRecord FreshProfile() {
  ProfileRecord p{};
  FactoryProfile(p, 0);
  return p;
}

}  // namespace

TEST(AccelerationRowOf, FollowsTheSwitchAndClampsTheRow) {
  const struct { int flag, acceleration, speed, t1, t2; } rows[] = {
      {0, 10, 0, 0, 0}, {0, 25, 0, 0, 0}, {1, 0, 0, 0, 0},   {1, 1, 1, 13, 0},  {1, 8, 1, 6, 0},
      {1, 10, 1, 4, 0}, {1, 11, 2, 4, 13}, {1, 19, 2, 4, 5}, {1, 25, 2, 4, 5},   {1, -3, 0, 0, 0},
      {2, 8, 1, 6, 0},  // any switch other than 0 is on
  };
  for (const auto& row : rows) {
    ProfileRecord p = FreshProfile();
    p.AccelerationFlag = row.flag;
    p.Acceleration = row.acceleration;
    const AccelerationRow& r = AccelerationRowOf(p);
    EXPECT_EQ(r.speed, row.speed) << row.flag << "/" << row.acceleration;
    EXPECT_EQ(r.threshold1, row.t1) << row.flag << "/" << row.acceleration;
    EXPECT_EQ(r.threshold2, row.t2) << row.flag << "/" << row.acceleration;
  }
}

TEST(ApplyMouseValues, TheLastMatchingRowWins) {
  const struct { AccelerationRow read; int before, acceleration, flag; } rows[] = {
      {{2, 4, 7}, 3, 17, 1},   // rows 11-17 match
      {{1, 6, 10}, 8, 8, 1},   // no row: the file's value stands, the switch follows it
      {{1, 6, 10}, 0, 0, 0},
      {{0, 0, 0}, 12, 0, 0},
      {{1, 13, 0}, 0, 1, 1},
      {{1, 4, 0}, 0, 10, 1},   // rows 1-10 match
      {{1, 0, 0}, 0, 10, 1},
      {{3, 0, 0}, 5, 5, 1},
  };
  for (const auto& row : rows) {
    ProfileRecord p = FreshProfile();
    p.Acceleration = row.before;
    p.AccelerationFlag = 7;
    ApplyMouseValues({std::nullopt, std::nullopt, row.read, std::nullopt}, p);
    EXPECT_EQ(p.Acceleration, row.acceleration) << row.read.speed << "," << row.read.threshold1 << "," << row.read.threshold2;
    EXPECT_EQ(p.AccelerationFlag, row.flag);
  }
}

TEST(ApplyMouseValues, MissingValuesLeaveTheirFields) {
  ProfileRecord p = FreshProfile();
  p.AccelerationFlag = 0;
  ApplyMouseValues({}, p);
  EXPECT_EQ(p.DbleClickSpeed, 500);
  EXPECT_EQ(p.MouseSpeed, 10);
  EXPECT_EQ(p.Acceleration, 10);
  EXPECT_EQ(p.AccelerationFlag, 0);

  ApplyMouseValues({640, 15, std::nullopt, std::nullopt}, p);
  EXPECT_EQ(p.DbleClickSpeed, 640);
  EXPECT_EQ(p.MouseSpeed, 15);
  EXPECT_EQ(p.AccelerationFlag, 0);
}

TEST(ApplyDesktopValues, OneScreenPerNotch) {
  const struct { std::optional<int> lines; int speed, flag; } rows[] = {
      {-1, 0, 1}, {5, 5, 0}, {0, 0, 0}, {std::nullopt, 3, 0}};
  for (const auto& row : rows) {
    ProfileRecord p = FreshProfile();
    ApplyDesktopValues({std::nullopt, std::nullopt, std::nullopt, row.lines}, p);
    EXPECT_EQ(p.ScrollWheelSpeed, row.speed);
    EXPECT_EQ(p.ScrollWheelFlag, row.flag);
  }
}
