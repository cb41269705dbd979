#include "skin/scroll_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int kThickness = 13;

TEST(ScrollGeometry, PartsAlongTheBar) {
  struct Row {
    const char* what;
    int length;
    ScrollValues values;
    bool forDrawing;
    int arrow, thumbBegin, thumb;
  };
  const Row rows[] = {
      {"30 px: a 4 px track, no thumb", 30, {0, 99, 10, 0}, true, 13, 13, 0},
      {"20 px: two 10 px arrows", 20, {0, 99, 10, 0}, true, 10, 10, 0},
      {"226 px at 90", 226, {0, 99, 10, 90}, true, 13, 193, 20},
      {"226 px at 45", 226, {0, 99, 10, 45}, true, 13, 103, 20},
      {"a drag shows its own position", 226, {0, 99, 10, 45, 90}, true, 13, 193, 20},
      {"a small page still gets 12 px", 226, {0, 9999, 1, 0}, true, 13, 13, 12},
      {"a minimum of its own counts from there", 226, {100, 199, 10, 190}, true, 13, 193, 20},
      {"a position past the range stops at the end", 226, {0, 99, 10, 5000}, true, 13, 193, 20},
      {"a position below it at the start", 226, {0, 99, 10, -7}, true, 13, 13, 20},
      {"nothing to scroll: no thumb drawn", 226, {0, 9, 10, 0}, true, 13, 113, 0},
      {"... but one to hit, the whole track", 226, {0, 9, 10, 0}, false, 13, 13, 200},
      {"a page beyond the range", 226, {0, 9, 500, 0}, false, 13, 13, 200},
      {"a range upside down", 226, {50, 10, 1, 30}, false, 13, 13, 200},
      {"every int, one step", 226, {INT_MIN, INT_MAX, 0xFFFFFFFFu, INT_MAX}, true, 13, 14, 199},
      {"no length", 0, {0, 99, 10, 45}, true, 0, 0, 0},
  };
  for (const Row& row : rows) {
    const ScrollLayout layout = LayoutScrollBar(kThickness, row.length, row.values, row.forDrawing);
    EXPECT_EQ(layout.arrow, row.arrow) << row.what;
    EXPECT_EQ(layout.thumbBegin, row.thumbBegin) << row.what;
    EXPECT_EQ(layout.thumb, row.thumb) << row.what;
    EXPECT_EQ(layout.Span(kLineDownPart), (ScrollSpan{row.length - row.arrow, row.length})) << row.what;
  }
}

TEST(ScrollGeometry, HitTestAtEveryBoundary) {
  // Thumb at y 103-122 of a 226 px bar.
  const ScrollLayout middle = LayoutScrollBar(kThickness, 226, {0, 99, 10, 45}, false);
  const std::pair<int, int> rows[] = {
      {-1, kNoScrollPart}, {0, kLineUpPart},     {12, kLineUpPart},     {13, kPageUpPart},
      {102, kPageUpPart},  {103, kThumbPart},    {122, kThumbPart},     {123, kPageDownPart},
      {212, kPageDownPart}, {213, kLineDownPart}, {225, kLineDownPart}, {4000, kLineDownPart},
  };
  for (auto [along, part] : rows) EXPECT_EQ(HitTestScrollBar(middle, along), part) << "at " << along;

  // 25 px: two 12 px arrows and one pixel of track between them.
  const ScrollLayout shortBar = LayoutScrollBar(kThickness, 25, {0, 99, 10, 0}, false);
  EXPECT_EQ(HitTestScrollBar(shortBar, 11), kLineUpPart);
  EXPECT_EQ(HitTestScrollBar(shortBar, 12), kPageDownPart);
  EXPECT_EQ(HitTestScrollBar(shortBar, 13), kLineDownPart);
}

TEST(ScrollGeometry, ThumbDragFollowsThePointerWithinTheRange) {
  const ScrollValues values{0, 99, 10, 45};
  const ScrollLayout layout = LayoutScrollBar(kThickness, 226, values, false);
  // 90 steps over 180 free pixels: half a step a pixel, cut towards zero.
  const std::pair<int, int> rows[] = {{0, 45}, {9, 49}, {-9, 41}, {90, 90}, {500, 90}, {-500, 0}};
  for (auto [delta, position] : rows) EXPECT_EQ(ThumbDragPosition(layout, values, 45, delta), position) << delta;

  // A page of 0 ends where one of 1 does, at the range's end (found by
  // fuzzing: one step beyond it, past the largest int for the widest range).
  for (int max : {99, INT_MAX}) {
    const ScrollValues noPage{0, max, 0, 0};
    EXPECT_EQ(ThumbDragPosition(LayoutScrollBar(kThickness, 226, noPage, false), noPage, 0, 500), max);
  }
  // Arrows too thick to double are still two halves of the bar.
  EXPECT_EQ(LayoutScrollBar(INT_MAX, 100, values, true).arrow, 50);

  // No free track: the thumb stays.
  const ScrollValues none{0, 9, 500, 0};
  EXPECT_EQ(ThumbDragPosition(LayoutScrollBar(kThickness, 226, none, false), none, 0, 50), 0);
}

}  // namespace
