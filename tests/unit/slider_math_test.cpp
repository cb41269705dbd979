// The slider's arithmetic: clicks, drags, releases and programmatic
// positions, with the single-precision rounding and the ranges' ends.
#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "skin/slider_math.h"

namespace {

TEST(SliderMath, ClickOnTheTrackRoundsOrTruncates) {
  struct Row {
    int x, left, right;
    SliderRange range;
    bool round;
    int value;
  };
  const Row rows[] = {
      // 1 + 10 * 199 / 200 = 10.95
      {199, 0, 200, {1, 11}, true, 11}, {199, 0, 200, {1, 11}, false, 10}, {0, 0, 200, {1, 11}, true, 1},
      // The track's left in its parent's coordinates counts.
      {249, 50, 250, {1, 11}, true, 11}, {149, 50, 250, {1, 11}, false, 5},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ClickReading(row.x, row.left, row.right, row.range, row.round, 0).value, row.value) << row.x;
  }
  EXPECT_FLOAT_EQ(ClickReading(199, 0, 200, {1, 11}, false, 0).exact, 10.95f);
  // Wherever the pointer is, even off the track, the value stays in range.
  for (int x = -300; x <= 500; ++x) {
    for (bool round : {false, true}) {
      const int value = ClickReading(x, 0, 200, {1, 11}, round, 0).value;
      ASSERT_TRUE(value >= 1 && value <= 11) << x;
    }
  }
}

TEST(SliderMath, PositionsStayWithinTheTravel) {
  // SetPos: the left edge travels 200 - 12 = 188 px; values are clamped.
  const ThumbTravel travel{0, 200, 12};
  const std::pair<int, int> valueToLeft[] = {{0, 0}, {5, 94}, {10, 188}, {15, 188}, {-3, 0}, {-2147483647 - 1, 0}};
  for (const auto& [value, left] : valueToLeft) EXPECT_EQ(ThumbLeftFor(value, {0, 10}, travel), left) << value;
  // Dragged or released at either end, 2-255 reads 2 and 255.
  const ThumbTravel level{0, 268, 13};
  EXPECT_EQ(DragValue(0, {2, 255}, level, 0), 2);
  EXPECT_EQ(DragValue(level.Span(), {2, 255}, level, 0), 255);
  for (bool snap : {false, true}) {
    EXPECT_EQ(ReleaseReading(0, {2, 255}, level, snap, 0).value, 2);
    EXPECT_EQ(ReleaseReading(level.Span(), {2, 255}, level, snap, 0).value, 255);
  }
}

TEST(SliderMath, SnapPutsTheThumbOnTheRoundedValue) {
  // The level slider, 1-20 over 268 px with a 13 px thumb, released at 21:
  // 1 + 19 * 21 / 255 = 2.56 rounds to 3, whose place is 255 * 2 / 19.
  const ThumbTravel travel{0, 268, 13};
  EXPECT_EQ(ReleaseReading(21, {1, 20}, travel, true, 0).value, 3);
  EXPECT_EQ(ReleaseReading(21, {1, 20}, travel, false, 0).value, 2);
  EXPECT_EQ(ThumbLeftFor(3, {1, 20}, travel), 26);
  EXPECT_EQ(ReleaseReading(26, {1, 20}, travel, true, 0).value, 3);
}

TEST(SliderMath, NothingDividesByZero) {
  // A track no wider (or narrower) than its thumb, a one-value range, a
  // track of no width, a range upside down: the thumb stays at the start
  // and the value stays what it was.
  for (const ThumbTravel& travel : {ThumbTravel{0, 13, 13}, ThumbTravel{0, 8, 13}}) {
    EXPECT_EQ(ThumbLeftFor(7, {0, 10}, travel), 0);
    EXPECT_EQ(ClampDrag(40, 0, travel), 0);
    EXPECT_EQ(DragValue(0, {0, 10}, travel, 7), 7);
    EXPECT_EQ(ReleaseReading(0, {0, 10}, travel, true, 7).value, 7);
  }
  EXPECT_EQ(ThumbLeftFor(5, {5, 5}, {0, 200, 12}), 0);
  EXPECT_EQ(ReleaseReading(100, {5, 5}, {0, 200, 12}, false, 0).value, 5);
  EXPECT_EQ(ClickReading(0, 30, 30, {0, 10}, true, 4).value, 4);
  EXPECT_EQ(ClampToRange(7, {5, 2}), 5);
}

TEST(SliderMath, TheWidestIntsNeitherOverflowNorLeaveTheirBounds) {
  // Found by fuzzing: each of these overflowed an int, 64 bits or the
  // conversion back to int.
  const ThumbTravel widest{INT_MIN, INT_MAX, 0};
  const SliderRange all{INT_MIN, INT_MAX};
  EXPECT_EQ(ThumbLeftFor(INT_MAX, {0, 10}, widest), -1);
  EXPECT_EQ(ClampDrag(INT_MAX, INT_MIN, widest), INT_MAX);
  EXPECT_EQ(DragValue(INT_MAX, all, widest, 0), INT_MAX);
  EXPECT_EQ(ReleaseReading(INT_MAX, all, widest, true, 0).value, INT_MAX);
  EXPECT_EQ(ClickReading(INT_MAX, INT_MIN, INT_MAX, all, true, 0).value, INT_MAX);
  EXPECT_EQ(SteppedValue(SliderStep::PageForward, INT_MAX - 1, all), INT_MAX);
  EXPECT_EQ(SteppedValue(SliderStep::Back, INT_MIN, all), INT_MIN);
  EXPECT_EQ(SteppedValue(SliderStep::Last, 0, {5, 2}), 5);
}

}  // namespace
