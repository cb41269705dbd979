#include <gtest/gtest.h>

#include <climits>

#include "model/pointer_positions.h"

namespace {

// A profile field's value and the slider's position.
struct Row {
  PointerSlider slider;
  int ProfileRecord::*field;
  int value, position;
};
using enum PointerSlider;
constexpr auto kTime = &ProfileRecord::DbleClickSpeed;
constexpr auto kMouseSpeed = &ProfileRecord::MouseSpeed;
constexpr auto kLines = &ProfileRecord::ScrollWheelSpeed;
constexpr auto kTiltSpeed = &ProfileRecord::TiltSpeed;

}  // namespace

TEST(PointerPositions, ValuesShowWithinTheSliderAndPositionsStoreNothingOffIt) {
  const Row shown[] = {
      {DoubleClick, kTime, 500, 400},       {DoubleClick, kTime, 1000, 0},       {DoubleClick, kTime, 100, 700},
      {DoubleClick, kTime, INT_MIN, 700},   {DoubleClick, kTime, INT_MAX, 0},    {PointerSpeed, kMouseSpeed, 10, 4},
      {PointerSpeed, kMouseSpeed, 0, 1},    {PointerSpeed, kMouseSpeed, 16, 6},  {PointerSpeed, kMouseSpeed, 17, 7},
      {PointerSpeed, kMouseSpeed, 21, 6},   {PointerSpeed, kMouseSpeed, -1, 6},  {WheelLines, kLines, 12, 8},
      {WheelLines, kLines, 0, 1},           {TiltSpeed, kTiltSpeed, 3, 3},
  };
  for (const Row& row : shown) {
    ProfileRecord p{};
    p.*row.field = row.value;
    EXPECT_EQ(PositionOf(p, row.slider), row.position) << static_cast<int>(row.slider) << "/" << row.value;
  }
  const Row stored[] = {
      {DoubleClick, kTime, 900, 0},         {DoubleClick, kTime, 200, 700},      {DoubleClick, kTime, 900, INT_MIN},
      {DoubleClick, kTime, 200, 5000},      {PointerSpeed, kMouseSpeed, 9, 4},   {PointerSpeed, kMouseSpeed, 20, 8},
      {PointerSpeed, kMouseSpeed, 10, 0},   {PointerSpeed, kMouseSpeed, 10, 9},  {WheelLines, kLines, 8, 50},
      {TiltSpeed, kTiltSpeed, 1, -2},
  };
  for (const Row& row : stored) {
    ProfileRecord p{};
    StorePosition(p, row.slider, row.position);
    EXPECT_EQ(p.*row.field, row.value) << static_cast<int>(row.slider) << "/" << row.position;
  }
  // Whole tables: every position's speed, every speed's position.
  constexpr int kSpeeds[] = {1, 3, 6, 9, 12, 15, 18, 20};
  constexpr int kShownAt[] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 7, 7, 8, 8};
  for (int position = 1; position <= 8; ++position) EXPECT_EQ(PositionToPointerSpeed(position), kSpeeds[position - 1]);
  for (int speed = 0; speed <= 20; ++speed) EXPECT_EQ(PointerSpeedToPosition(speed), kShownAt[speed]) << speed;
}
